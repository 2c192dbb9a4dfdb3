#include "platform/widgets/QtPromptService.h"

#include "platform/ui/FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vl {
namespace {

QMessageBox::Icon QtIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString DialogFilter(const QString& filter)
{
    return DialogNameFilters(ParseFileFilters(filter)).join(QStringLiteral(";;"));
}

constexpr char kNoticeName[] = "Notice";

// An open notice with this caption and text, if any.
QMessageBox* OpenNotice(const QString& caption, const QString& text)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box && box->objectName() == QLatin1String(kNoticeName) && box->isVisible()
            && box->windowTitle() == caption && box->text() == text)
            return box;
    }
    return nullptr;
}

// Only the descriptions are shown; the patterns are spelled in both cases.
constexpr QFileDialog::Options kFileDialogOptions = QFileDialog::HideNameFilterDetails;

} // namespace

int QtPromptService::Message(const QString& text, const QString& caption, PromptIcon icon,
                             const QString& buttons, int defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageLines(text));
    box.setIcon(QtIcon(icon));

    const QStringList labels = SplitButtonList(buttons);
    QList<QPushButton*> pushButtons;
    // One role for all keeps the buttons in the order of the list.
    for (const QString& label : labels)
        pushButtons << box.addButton(label, QMessageBox::ActionRole);
    box.setDefaultButton(pushButtons.at(ValidDefaultButton(defaultButton, labels.size()) - 1));
    if (const int escape = EscapeButton(labels))
        box.setEscapeButton(pushButtons.at(escape - 1));

    box.exec();
    const int pressed = static_cast<int>(pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return pressed >= 0 ? pressed + 1 : ValidDefaultButton(defaultButton, labels.size());
}

void QtPromptService::Notify(const QString& text, const QString& caption, PromptIcon icon)
{
    const QString lines = MessageLines(text);
    QMetaObject::invokeMethod(
        qApp,
        [lines, caption, icon] {
            if (QMessageBox* open = OpenNotice(caption, lines)) {
                open->raise();
                return;
            }
            auto* box = new QMessageBox(QtIcon(icon), caption, lines, QMessageBox::Ok);
            box->setObjectName(QLatin1String(kNoticeName));
            box->setTextFormat(Qt::PlainText);
            box->setWindowModality(Qt::NonModal);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
        },
        Qt::QueuedConnection);
}

QString QtPromptService::SelectDirectory(const QString& caption, const QString& startDir)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startDir);
}

QString QtPromptService::OpenFile(const QString& caption, const QString& filter, const QString& start)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, start, DialogFilter(filter),
                                        nullptr, kFileDialogOptions);
}

QString QtPromptService::SaveFile(const QString& caption, const QString& filter, const QString& start)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, start, DialogFilter(filter),
                                        nullptr, kFileDialogOptions);
}

QStringList QtPromptService::OpenFiles(const QString& caption, const QString& filter, const QString& start)
{
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), caption, start, DialogFilter(filter), nullptr,
                                         kFileDialogOptions);
}

} // namespace vl
