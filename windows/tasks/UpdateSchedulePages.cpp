// The five tabs of the task form, laid out from the task editor's controls
// (TaskEditor.h). What the controls do is in TaskEditor.cpp.

#include "windows/tasks/UpdateSchedule.h"

#include "core/dictionary/CategoryRecords.h"
#include "platform/widgets/PictureSpinBox.h"
#include "windows/tasks/TaskEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

QLabel* Label(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QLabel* Note(const QString& text)
{
    auto* note = new QLabel(text);
    note->setWordWrap(true);
    return note;
}

} // namespace

QWidget* UpdateSchedule::TaskPage()
{
    auto* page = new QWidget;
    QGroupBox* typeBox = editor_->TaskTypeBox({QStringLiteral("Run Program"), QStringLiteral("Display Message"),
                                               QStringLiteral("Both"), QStringLiteral("None")},
                                              4);
    QComboBox* category = editor_->CategoryList(CAT_KEYCATEGORY);
    QLineEdit* description = editor_->DescriptionEntry();
    // The title follows the description while it is typed.
    connect(description, &QLineEdit::textEdited, editor_, &TaskEditor::Accepted);

    auto* fields = new QGridLayout;
    fields->addWidget(Label(QStringLiteral("Cate&gory:"), category), 0, 0);
    fields->addWidget(category, 0, 1, Qt::AlignLeft);
    fields->addWidget(Label(QStringLiteral("&Description:"), description), 1, 0);
    fields->addWidget(description, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(typeBox);
    layout->addLayout(fields);
    layout->addStretch();
    return page;
}

QWidget* UpdateSchedule::CommandPage()
{
    auto* page = new QWidget;
    QLineEdit* command = editor_->CommandEntry();
    QLineEdit* path = editor_->PathEntry();
    scripting_ = editor_->Button(QStringLiteral("&Scripting"), QString(), [this] { OpenScriptList(); });

    auto* layout = new QGridLayout(page);
    layout->addWidget(Note(QStringLiteral("Enter any valid program name, along with the parameters it needs here...")),
                      0, 0, 1, 3);
    layout->addWidget(Label(QStringLiteral("Comman&d:"), command), 1, 0);
    layout->addWidget(command, 1, 1, 1, 2);
    layout->addWidget(Note(QStringLiteral("If the program must be started from a specific directory or folder, enter "
                                          "it here...")),
                      2, 0, 1, 2);
    layout->addWidget(editor_->BrowseProgramButton(QStringLiteral("Select a program to start")), 2, 2);
    layout->addWidget(Label(QStringLiteral("Start &in:"), path), 3, 0);
    layout->addWidget(path, 3, 1, 1, 2);
    layout->setRowMinimumHeight(4, 12);
    layout->addWidget(scripting_, 5, 0);
    layout->addWidget(Note(QStringLiteral("<- Press this to send keystrokes or DDE commands")), 5, 1, 1, 2);
    layout->addWidget(
        Note(QStringLiteral("TIP:  If you just want to use scripting, enter \"N/A\" as the command above.")), 6, 0, 1,
        3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(7, 1);
    return page;
}

QWidget* UpdateSchedule::MessagePage()
{
    auto* page = new QWidget;
    QPlainTextEdit* message = editor_->MessageEntry();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label(QStringLiteral("Enter your customized message here..."), message));
    layout->addWidget(message);
    return page;
}

QWidget* UpdateSchedule::WhenPage()
{
    auto* page = new QWidget;
    QGroupBox* typeBox = editor_->ScheduleTypeBox();
    QGroupBox* everyGroup = editor_->EveryGroup();
    QPushButton* except = editor_->ExceptButton();
    const TaskEditor::MomentRow date = editor_->NextDate();
    const TaskEditor::MomentRow time = editor_->NextTime();
    const TaskEditor::MomentRow warnDate = editor_->WarningDate();
    const TaskEditor::MomentRow warnTime = editor_->WarningTime();
    lastRun_ = new QLabel;
    lastRunTime_ = new QLabel;

    auto* moments = new QGridLayout;
    moments->addWidget(date.prompt, 0, 0);
    moments->addWidget(date.spin, 0, 1);
    moments->addWidget(date.calendar, 0, 2);
    moments->addWidget(time.prompt, 0, 3);
    moments->addWidget(time.spin, 0, 4);
    moments->addWidget(Label(QStringLiteral("Date Last Performed:")), 1, 0);
    moments->addWidget(lastRun_, 1, 1);
    moments->addWidget(Label(QStringLiteral("Time:")), 1, 3);
    moments->addWidget(lastRunTime_, 1, 4);
    QCheckBox* skip = editor_->Flag(QStringLiteral("&Skip Next Time"), &ScheduleRecord::SkipNextTime);
    skip->setStatusTip(QStringLiteral("Skip next occurrence of this task"));
    moments->addWidget(skip, 2, 0);
    moments->addWidget(warnDate.prompt, 3, 0);
    moments->addWidget(warnDate.spin, 3, 1);
    moments->addWidget(warnDate.calendar, 3, 2);
    moments->addWidget(warnTime.prompt, 3, 3);
    moments->addWidget(warnTime.spin, 3, 4);
    moments->setColumnStretch(5, 1);

    auto* top = new QHBoxLayout;
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(typeBox);
    typeColumn->addWidget(except);
    typeColumn->addStretch();
    top->addLayout(typeColumn);
    top->addWidget(everyGroup, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(moments);
    return page;
}

QWidget* UpdateSchedule::AdvancedPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(editor_->AlarmGroup());
    for (QCheckBox* flag : editor_->AdvancedFlags())
        layout->addWidget(flag);
    layout->addStretch();
    return page;
}

} // namespace vl
