#include "windows/frame/about/AboutWindow.h"
#include "platform/widgets/WindowPosition.h"

#include "windows/frame/about/RotatingPicture.h"
#include "resources/ProgramIcons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {
namespace {

constexpr int kIconSize = 48;

} // namespace

AboutWindow::AboutWindow(const AboutTexts& texts, QWidget* parent)
    : QDialog(parent),
      product_(new QLabel(texts.productName)),
      version_(new QLabel(texts.version)),
      buildNumber_(new QLabel(texts.buildNumber)),
      buildDate_(new QLabel(texts.buildDate)),
      close_(new QPushButton(LoadIcon(QStringLiteral("close.ico")), texts.closeButton)),
      help_(new QPushButton(LoadIcon(QStringLiteral("help.ico")), texts.helpButton))
{
    setWindowTitle(texts.caption);
    KeepWindowPosition(*this, QStringLiteral("About"));
    const QIcon programIcon = LoadIcon(QStringLiteral("WIZARD.ICO"));
    setWindowIcon(programIcon);

    QFont productFont = product_->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.3);
    product_->setFont(productFont);

    auto* icon = new QLabel;
    icon->setPixmap(programIcon.pixmap(kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* lines = new QGridLayout;
    lines->addWidget(product_, 0, 0, 1, 2);
    lines->addWidget(version_, 1, 0, 1, 2);
    lines->addWidget(new QLabel(texts.buildLabel), 2, 0);
    lines->addWidget(buildNumber_, 2, 1);
    lines->addWidget(buildDate_, 3, 0, 1, 2);
    lines->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(lines, 1);
    top->addWidget(new RotatingPicture(LoadIcon(QStringLiteral("MVLROTAT.GIF")).pixmap(kIconSize)));

    // There is no help file on this system, so Help stays visible but
    // disabled rather than opening nothing.
    help_->setEnabled(false);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    buttons->addWidget(help_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void About(QWidget* frame, const QString& productName, const QString& versionNumber)
{
    AboutWindow window(MakeAboutTexts(productName, versionNumber), frame);
    window.exec();
}

} // namespace vl
