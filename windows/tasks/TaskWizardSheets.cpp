// The pages of the task wizards, laid out from the task editor's controls
// (TaskEditor.h). Which pages a wizard has and their order are in
// tasks/TaskWizardPages.h; what the controls do is in TaskEditor.cpp.

#include "windows/tasks/TaskWizard.h"

#include "core/dictionary/CategoryRecords.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/FrameProcedures.h"
#include "resources/ProgramIcons.h"
#include "windows/scripting/BrowseScripting.h"
#include "windows/scripting/ScriptBuilder.h"
#include "tasks/TaskFormRules.h"
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

constexpr char kScriptingTip[] = "Send keystrokes, DDE commands, etc.";
constexpr char kNoScriptListTip[] = "The script list is not available in this version.";
constexpr char kCategoryLine[] = "Next, select the category and optionally enter a brief description or \"title\".";

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

// "&Category:" and "&Description:" on two rows of the grid from the row given.
void AddCategoryRows(QGridLayout* grid, int row, QComboBox* category, QLineEdit* description)
{
    grid->addWidget(Label(QStringLiteral("Cate&gory:"), category), row, 0);
    grid->addWidget(category, row, 1, Qt::AlignLeft);
    grid->addWidget(Label(QStringLiteral("&Description:"), description), row + 1, 0);
    grid->addWidget(description, row + 1, 1);
    grid->setColumnStretch(1, 1);
}

} // namespace

QWidget* TaskWizard::BuildPage(WizardPage page)
{
    switch (page) {
    case WizardPage::Task:
        return kind_ == TaskWizardKind::Task || kind_ == TaskWizardKind::SpecialEvent ? TaskPage() : nullptr;
    case WizardPage::Category:
        return kind_ == TaskWizardKind::Message || kind_ == TaskWizardKind::SpecialEvent ? nullptr : CategoryPage();
    case WizardPage::Command:
        return kind_ == TaskWizardKind::Message || kind_ == TaskWizardKind::Script ? nullptr : CommandPage();
    case WizardPage::Message:
        return kind_ == TaskWizardKind::Program || kind_ == TaskWizardKind::Script ? nullptr : MessagePage();
    case WizardPage::Script:
        return kind_ == TaskWizardKind::Script ? ScriptPage() : nullptr;
    case WizardPage::When:
        return WhenPage();
    case WizardPage::Advanced:
        return AdvancedPage();
    }
    return nullptr;
}

QWidget* TaskWizard::TaskPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (kind_ == TaskWizardKind::Task) {
        layout->addWidget(Note(QStringLiteral("This wizard schedules a new task to perform.  Enter the type of task "
                                              "here...")));
        QGroupBox* type = editor_->TaskTypeBox({QStringLiteral("Run Program"), QStringLiteral("Display Message"),
                                                QStringLiteral("Both"), QLatin1String(kNoneTaskType)},
                                               1);
        type->setToolTip(QStringLiteral("This determines what will happen at the time you specify..."));
        layout->addWidget(type, 0, Qt::AlignLeft);
        layout->addStretch();
        return page;
    }
    for (const char* line : {"This wizard copies an existing task to create a special event.",
                             "This is useful when the day a task is normally scheduled is a holiday, or",
                             "must be changed temporarily because of some other special event.",
                             "You may modify the information here or press Next."})
        layout->addWidget(new QLabel(QLatin1String(line)));
    layout->addWidget(editor_->TaskTypeBox({QStringLiteral("Run Program"), QStringLiteral("Display Message"),
                                            QStringLiteral("Both")},
                                           3));
    auto* fields = new QGridLayout;
    AddCategoryRows(fields, 0, editor_->CategoryList(CAT_KEYCATEGORY), editor_->DescriptionEntry());
    layout->addLayout(fields);
    layout->addStretch();
    return page;
}

QWidget* TaskWizard::CategoryPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(Note(QLatin1String(kCategoryLine)), 0, 0, 1, 2);
    // The task wizard lists the categories as they are stored, the others
    // in alphabetical order.
    QComboBox* category = editor_->CategoryList(kind_ == TaskWizardKind::Task ? FileOrder : CAT_KEYCATEGORY);
    AddCategoryRows(grid, 1, category, editor_->DescriptionEntry());
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TaskWizard::CommandPage()
{
    auto* page = new QWidget;
    QLineEdit* command = editor_->CommandEntry();
    command->setToolTip(QStringLiteral("Program to start"));
    QLineEdit* path = editor_->PathEntry();
    path->setToolTip(QStringLiteral("Directory (Folder) to start the command in"));
    QPushButton* browse = editor_->BrowseProgramButton(QLatin1String(
        kind_ == TaskWizardKind::Program ? "Select an application to start" : "Select a program to start"));
    QPushButton* scripting = editor_->Button(QStringLiteral("&Scripting"), QString(), [this] { OpenScriptList(); });
    scripting->setIcon(LoadIcon(QStringLiteral("TORNTASK.ICO")));
    auto scriptListShown = [scripting] {
        const bool available = Procedures().Has(QLatin1String(kBrowseScriptingProcedure));
        scripting->setEnabled(available);
        scripting->setToolTip(QLatin1String(available ? kScriptingTip : kNoScriptListTip));
    };
    scriptListShown();
    connect(&Procedures(), &FrameProcedures::Changed, scripting, scriptListShown);

    auto* grid = new QGridLayout(page);
    int row = 0;
    grid->addWidget(Note(QStringLiteral("Enter any valid program name, along with the parameters it needs here...")),
                    row++, 0, 1, 3);
    if (kind_ == TaskWizardKind::Program) {
        grid->addWidget(Note(QStringLiteral("TIPS:  You can also enter the name of a document or URL.  To use "
                                            "scripting only, enter N/A as the command.")),
                        row++, 0, 1, 3);
    }
    grid->addWidget(Label(QStringLiteral("Comman&d:"), command), row, 0);
    grid->addWidget(command, row++, 1, 1, 2);
    grid->addWidget(Note(QStringLiteral("If the program must be started from a specific directory or folder, enter "
                                        "it here...")),
                    row, 0, 1, 2);
    grid->addWidget(browse, row++, 2);
    grid->addWidget(Label(QStringLiteral("Start &in:"), path), row, 0);
    grid->addWidget(path, row++, 1, 1, 2);
    grid->setRowMinimumHeight(row++, 12);
    grid->addWidget(scripting, row, 0);
    grid->addWidget(Note(QStringLiteral("<- Press this to send keystrokes or DDE commands")), row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* TaskWizard::MessagePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (kind_ == TaskWizardKind::Message) {
        layout->addWidget(Note(QStringLiteral("Select the category and optionally enter a brief description or "
                                              "\"title\".")));
        auto* fields = new QGridLayout;
        QLineEdit* description = editor_->DescriptionEntry();
        AddCategoryRows(fields, 0, editor_->CategoryList(CAT_KEYCATEGORY), description);
        layout->addLayout(fields);
        // A message not written yet takes the description.
        connect(description, &QLineEdit::editingFinished, this, [this] {
            editor_->Take();
            FillBlankMessage(task_);
            editor_->Display();
        });
    }
    QPlainTextEdit* message = editor_->MessageEntry();
    message->setToolTip(QStringLiteral("Message to display"));
    layout->addWidget(Label(QStringLiteral("Enter your customized message here..."), message));
    layout->addWidget(message, 1);
    return page;
}

QWidget* TaskWizard::WhenPage()
{
    auto* page = new QWidget;
    const TaskEditor::MomentRow date = editor_->NextDate();
    const TaskEditor::MomentRow time = editor_->NextTime();
    const TaskEditor::MomentRow warnDate = editor_->WarningDate();
    const TaskEditor::MomentRow warnTime = editor_->WarningTime();
    warnDate.spin->setToolTip(QStringLiteral("Leave blank for no warning that this task will occur."));
    const bool specialEvent = kind_ == TaskWizardKind::SpecialEvent;
    QCheckBox* skip = editor_->Flag(
        QLatin1String(specialEvent ? "Skip next regular occurrence of task being copied" : "&Skip First Time"),
        &ScheduleRecord::SkipNextTime);
    if (!specialEvent)
        skip->setStatusTip(QStringLiteral("Skip next occurrence of this task"));

    auto* moments = new QGridLayout;
    moments->addWidget(date.prompt, 0, 0);
    moments->addWidget(date.spin, 0, 1);
    moments->addWidget(date.calendar, 0, 2);
    moments->addWidget(time.prompt, 0, 3);
    moments->addWidget(time.spin, 0, 4);
    moments->addWidget(warnDate.prompt, 1, 0);
    moments->addWidget(warnDate.spin, 1, 1);
    moments->addWidget(warnDate.calendar, 1, 2);
    moments->addWidget(warnTime.prompt, 1, 3);
    moments->addWidget(warnTime.spin, 1, 4);
    moments->addWidget(skip, 2, 0, 1, 5);
    moments->setColumnStretch(5, 1);

    auto* layout = new QVBoxLayout(page);
    if (specialEvent) {
        layout->addWidget(Note(QStringLiteral("These options determine when this task will be performed.")));
        layout->addLayout(moments);
        layout->addStretch();
        return page;
    }
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(editor_->ScheduleTypeBox());
    typeColumn->addWidget(editor_->ExceptButton());
    typeColumn->addWidget(new QLabel(QStringLiteral("These options determine\nwhen and how often this\ntask will "
                                                    "be performed.")));
    typeColumn->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(typeColumn);
    top->addWidget(editor_->EveryGroup(), 1);
    layout->addLayout(top, 1);
    layout->addLayout(moments);
    return page;
}

QWidget* TaskWizard::ScriptPage()
{
    // The task is reserved (or read) before the pages are built: its ID stays.
    return new ScriptBuilder(task_.ID);
}

QWidget* TaskWizard::AdvancedPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Note(QStringLiteral("Finally, here are some advanced features you may wish to use...")));
    layout->addWidget(editor_->AlarmGroup());
    const std::vector<QCheckBox*> flags = editor_->AdvancedFlags();
    for (QCheckBox* flag : flags)
        layout->addWidget(flag);
    layout->addStretch();
    return page;
}

} // namespace vl
