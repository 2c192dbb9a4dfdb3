#include "windows/reports/SetReportTitle.h"

#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

SetReportTitle::SetReportTitle(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Set Report Title"));
    setWindowIcon(LoadIcon(QStringLiteral("WINPYR.ICO")));
    KeepWindowPosition(*this, QStringLiteral("SetReportTitle"));
    entry_ = new QLineEdit(ReportTitle);
    LimitToWidth(entry_, 80);
    auto* prompt = new QLabel(QStringLiteral("Report Title:"));
    prompt->setBuddy(entry_);
    auto* ok = new QPushButton(LoadIcon(QStringLiteral("OK.ICO")), QStringLiteral("&OK"));
    auto* cancel = new QPushButton(LoadIcon(QStringLiteral("cancel.ico")), QStringLiteral("Cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(entry_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Leave the report title blank if you wish to use the default title.")));
    layout->addLayout(row);
    layout->addLayout(buttons);
    resize(480, sizeHint().height());
}

void SetReportTitle::done(int result)
{
    ReportTitle = entry_->text().left(80);
    QDialog::done(result);
}

bool AskReportTitle(QWidget* parent)
{
    SetReportTitle window(parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace vl
