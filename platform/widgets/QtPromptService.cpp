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

} // namespace vl
