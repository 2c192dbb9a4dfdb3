#include "windows/scripting/ScriptItemEditor.h"

#include "core/dictionary/Dictionary.h"
#include "core/tabs/TabColours.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/items/FileActionPrompts.h"
#include "scripting/items/NormalizeScriptItem.h"
#include "scripting/items/ScriptActionHelp.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/items/ScriptItemStore.h"
#include "windows/scripting/UpdateScripting.h"
#include "windows/scripting/WindowTitleBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {
namespace {

namespace A = ScriptAction;

constexpr int kHelpLines = 7;

} // namespace

ScriptItemEditor::ScriptItemEditor(FormRequest request, const ScriptingRecord& item, ScriptItemOwner owner,
                                   StoreFunction store, QWidget* parent)
    : QDialog(parent), request_(request), owner_(owner), store_(std::move(store)), item_(item)
{
    const bool forTask = owner == ScriptItemOwner::Task;
    const char* procedure = forTask ? kUpdateScriptingProcedure : kUpdateScriptTemplateDetailProcedure;
    setObjectName(QLatin1String(procedure));
    setWindowTitle(forTask ? FormCaption(request, QStringLiteral("New Script Action"),
                                         QStringLiteral("Edit Script Action"))
                           : FormCaption(request, QStringLiteral("New Script Template Detail"),
                                         QStringLiteral("Edit Script Template Detail")));
    NormalizeScriptItem(item_);
    work_ = LoadWorkFields(item_);

    actionLine_ = new QLineEdit(this);
    actionLine_->setReadOnly(true);
    actionLine_->setFocusPolicy(Qt::NoFocus);
    pages_ = new QTabWidget(this);
    // The page of the chosen action is the only tab, so it is always the
    // selected one.
    pages_->tabBar()->setStyleSheet(TabStyleSheet(TabColours{}));
    const std::array<QWidget*, kScriptPageCount> pages{
        KeysPage(),      WaitPage(),       FocusPage(),   DdePage(),      IfWindowPage(),  IfTimePage(),
        IfVarPage(),     SetVarPage(),     StartScriptPage(), SendEmailPage(), FileActionsPage(), NothingPage(),
        StartPage(),     DisplayMessagePage(), ClosePage(), NothingPage()};
    for (int i = 0; i < kScriptPageCount; ++i)
        pages_->addTab(pages[static_cast<size_t>(i)], ScriptPageText(static_cast<ScriptPage>(i)));
    help_ = new QPlainTextEdit(this);
    help_->setReadOnly(true);
    help_->setFocusPolicy(Qt::NoFocus);
    help_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    help_->setFixedHeight(help_->fontMetrics().lineSpacing() * kHelpLines + 12);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &ScriptItemEditor::accept);
    connect(cancel_, &QPushButton::clicked, this, &ScriptItemEditor::reject);

    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(new QLabel(QStringLiteral("Action:"), this));
    actionRow->addWidget(actionLine_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ActionList());
    layout->addLayout(actionRow);
    layout->addWidget(pages_, 1);
    layout->addWidget(help_);
    layout->addLayout(buttons);

    SelectPage();
    ApplyFormMode(request, data_, ok_, cancel_);
    KeepWindowPosition(*this, QLatin1String(procedure));
    if (forTask && item_.ID == 0 && request != FormRequest::View)
        Prompt::Message(NoOwnerText(kNoTaskText, item_.ID), QLatin1String(kNoTaskCaption), PromptIcon::Stop);
}

ScriptItemEditor::~ScriptItemEditor()
{
    if (messagesOpen_)
        Tables().Messages.Close();
}

QGroupBox* ScriptItemEditor::ActionList()
{
    auto* box = new QGroupBox(QStringLiteral("Select &Action"), this);
    auto* grid = new QGridLayout(box);
    actions_ = new QButtonGroup(this);
    int column = 0;
    for (const A::Group& group : A::kGroups) {
        auto* heading = new QLabel(QString::fromUtf16(group.heading), box);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, column);
        int row = 1;
        for (const char16_t* action : group.actions) {
            auto* radio = new QRadioButton(QString::fromUtf16(action), box);
            actions_->addButton(radio);
            grid->addWidget(radio, row++, column);
            data_ << radio;
            connect(radio, &QRadioButton::clicked, this, [this, radio] { PickAction(radio->text()); });
        }
        ++column;
    }
    return box;
}

QAbstractButton* ScriptItemEditor::ActionButton(const QString& action) const
{
    for (QAbstractButton* button : actions_->buttons()) {
        if (button->text() == action)
            return button;
    }
    return nullptr;
}

QWidget* ScriptItemEditor::PageWidget(ScriptPage page) const { return pages_->widget(static_cast<int>(page)); }

void ScriptItemEditor::PickAction(const QString& action)
{
    if (saved_)
        return;
    item_.Action = action;
    SelectPage();
}

void ScriptItemEditor::SelectPage()
{
    // The help of the action picked, before "Exit Script" turns into "Other".
    help_->setPlainText(ScriptActionHelp(item_.Action));
    page_ = SelectScriptPage(item_, work_);
    for (int i = 0; i < kScriptPageCount; ++i)
        pages_->setTabVisible(i, i == static_cast<int>(page_));
    pages_->setCurrentIndex(static_cast<int>(page_));
    const QString shown = A::CanonicalAction(item_.Action);
    actionLine_->setText(shown);
    const QString checked = shown == QStringView(A::Other) ? work_.savedAction : shown;
    for (QAbstractButton* button : actions_->buttons()) {
        if (button->text() == checked)
            button->setChecked(true);
    }
    if (page_ == ScriptPage::FileActions)
        ShowFileActionPrompts();
    Show();
}

void ScriptItemEditor::Show()
{
    for (const auto& show : shows_)
        show();
    waitMode_->setEnabled(request_ != FormRequest::View && request_ != FormRequest::Delete &&
                          WaitModeChoosable(item_));
    ShowLinkedMessage();
}

void ScriptItemEditor::WaitInputChanged()
{
    ApplyWaitModeRule(item_, work_);
    Show();
}

void ScriptItemEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        for (WindowTitleBox* box : windowBoxes_)
            box->RefreshWindows();
    }
    QDialog::changeEvent(event);
}

void ScriptItemEditor::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    ScriptingRecord edited = item_;
    if (request_ != FormRequest::Delete) {
        if (!StoreWorkFields(edited, work_)) {
            Prompt::Message(QLatin1String(kOtherNotRecordedText), QLatin1String(kOtherNotRecordedCaption),
                            PromptIcon::Exclamation);
            return;
        }
        StampScriptItem(edited);
    }
    if (!store_(edited))
        return;
    item_ = edited;
    saved_ = true;
    QDialog::accept();
}

// Bound controls.

QLineEdit* ScriptItemEditor::Entry(QString* field, int width)
{
    auto* entry = new QLineEdit(this);
    LimitToWidth(entry, width);
    connect(entry, &QLineEdit::textEdited, this, [field](const QString& text) { *field = text; });
    shows_.push_back([entry, field] {
        const QString text = Clip(*field);
        if (entry->text() != text)
            entry->setText(text);
    });
    data_ << entry;
    return entry;
}

QSpinBox* ScriptItemEditor::Spin(int32_t* field, int maximum)
{
    auto* spin = new QSpinBox(this);
    spin->setRange(0, maximum);
    spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QString::number(maximum)) + 48);
    connect(spin, &QSpinBox::valueChanged, this, [field](int value) { *field = value; });
    shows_.push_back([spin, field] { spin->setValue(*field); });
    data_ << spin;
    return spin;
}

QComboBox* ScriptItemEditor::Choice(QString* field, const QStringList& choices)
{
    auto* box = new QComboBox(this);
    box->addItems(choices);
    connect(box, &QComboBox::activated, this, [box, field](int index) { *field = box->itemText(index); });
    shows_.push_back([box, field] { box->setCurrentIndex(box->findText(Clip(*field))); });
    data_ << box;
    return box;
}

QGroupBox* ScriptItemEditor::Radios(const QString& title, QString* field, const QStringList& choices)
{
    auto* box = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(box);
    QList<QRadioButton*> radios;
    for (const QString& choice : choices) {
        auto* radio = new QRadioButton(choice, box);
        row->addWidget(radio);
        radios << radio;
        connect(radio, &QRadioButton::clicked, this, [field, choice] { *field = choice; });
    }
    row->addStretch();
    shows_.push_back([radios, field] {
        for (QRadioButton* radio : radios)
            radio->setChecked(radio->text() == Clip(*field));
    });
    data_ << box;
    return box;
}

WindowTitleBox* ScriptItemEditor::WindowBox(QString* field)
{
    auto* box = new WindowTitleBox(this);
    connect(box, &QComboBox::editTextChanged, this, [field](const QString& text) { *field = text; });
    shows_.push_back([box, field] {
        const QString text = Clip(*field);
        if (box->currentText() != text)
            box->setEditText(text);
    });
    data_ << box;
    windowBoxes_ << box;
    return box;
}

QPushButton* ScriptItemEditor::Button(const QString& text, std::function<void()> clicked)
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, std::move(clicked));
    data_ << button;
    return button;
}

QPushButton* ScriptItemEditor::FileButton(QString* field, const QString& filter)
{
    QPushButton* button = Button(QStringLiteral("..."), [this, field, filter] {
        const QString chosen = Prompt::OpenFile(QStringLiteral("Choose a File"), filter, Clip(*field));
        if (chosen.isEmpty())
            return;
        *field = chosen;
        Show();
    });
    button->setToolTip(QStringLiteral("Choose a file"));
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    return button;
}

void ScriptItemEditor::ShowFileActionPrompts()
{
    const FileActionPrompts prompts = PromptsForFileAction(item_.DDEType);
    firstPrompt_->setText(prompts.first);
    secondPrompt_->setText(prompts.second);
    for (QWidget* widget : firstRow_)
        widget->setVisible(!prompts.first.isEmpty());
    for (QWidget* widget : secondRow_)
        widget->setVisible(!prompts.second.isEmpty());
    firstFile_->setVisible(prompts.firstButton);
    secondFile_->setVisible(prompts.secondButton);
    for (QWidget* widget : ftpRows_)
        widget->setVisible(prompts.ftp);
}

void ScriptItemEditor::ShowLinkedMessage()
{
    MessagesRecord message;
    if (item_.EmailID != 0) {
        if (!messagesOpen_)
            messagesOpen_ = OpenTable(Tables().Messages);
        message.EmailID = item_.EmailID;
        if (!messagesOpen_ || !Tables().Messages.Get(M_KEYEMAILID, message))
            message = MessagesRecord{};
    }
    sendTo_->setText(Clip(message.EmailTo));
    subject_->setText(Clip(message.Subject));
}

void ScriptItemEditor::AppendToKeystrokes(const QString& keystrokes)
{
    if (keystrokes.size() > kKeystrokesWidth) {
        Prompt::Message(QStringLiteral("The keys to press cannot hold more than %1 characters; nothing was appended.")
                            .arg(kKeystrokesWidth),
                        QStringLiteral("Send Keys"), PromptIcon::Exclamation);
    } else {
        item_.Keystrokes = keystrokes;
        Show();
    }
    keystrokes_->setFocus();
}

} // namespace vl
