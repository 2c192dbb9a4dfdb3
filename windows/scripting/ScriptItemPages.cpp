// The pages of the script item editor, one per action or group of actions.

#include "core/launch/ProgramFileChoice.h"
#include "pim/MessageForm.h"
#include "windows/pim/BrowseMessages.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/FrameProcedures.h"
#include "scripting/WindowMatch.h"
#include "scripting/items/KeyBuilder.h"
#include "scripting/items/ScriptActions.h"
#include "windows/scripting/ScriptItemEditor.h"
#include "windows/scripting/ScriptKeysWindow.h"
#include "windows/scripting/StartOptionsWindow.h"
#include "windows/scripting/WindowContentPicker.h"
#include "windows/scripting/WindowTitleBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace vl {
namespace {

namespace A = ScriptAction;

constexpr int kWide = 255;
constexpr int kSecondsMaximum = 99999; // five digits
constexpr char kAllFiles[] = "All Files|*.*";
constexpr char kScriptFiles[] = "VL Script Files|*.vls";

QStringList Texts(const auto& choices)
{
    QStringList texts;
    for (const char16_t* choice : choices)
        texts << QString::fromUtf16(choice);
    return texts;
}

// A page of prompts and their controls, two columns (a third for buttons).
class PageGrid {
public:
    explicit PageGrid(QWidget* page) : grid_(new QGridLayout(page)) { grid_->setColumnStretch(1, 1); }
    QLabel* Row(const QString& prompt, QWidget* control, QWidget* button = nullptr)
    {
        auto* label = new QLabel(prompt);
        label->setBuddy(control);
        grid_->addWidget(label, row_, 0);
        const bool fixed = control->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed;
        grid_->addWidget(control, row_, 1, fixed ? Qt::AlignLeft : Qt::Alignment());
        if (button)
            grid_->addWidget(button, row_, 2);
        ++row_;
        return label;
    }
    void Whole(QWidget* widget) { grid_->addWidget(widget, row_++, 0, 1, 3); }
    void Whole(QLayout* layout) { grid_->addLayout(layout, row_++, 0, 1, 3); }
    void End() { grid_->setRowStretch(row_, 1); }

private:
    QGridLayout* grid_;
    int row_ = 0;
};

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QWidget* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

} // namespace

void ScriptItemEditor::PickContent(const QString& procedure, const QString& pattern, QString* content)
{
    const WindowHandle window = FindWindowByTitle(pattern, QString());
    *content = PickWindowContent(procedure, window, Clip(*content), this);
    Show();
}

QWidget* ScriptItemEditor::KeysPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    keystrokes_ = Entry(&item_.Keystrokes, kKeystrokesWidth);
    grid.Row(QStringLiteral("&Key(s) to press:"), keystrokes_);

    auto* code = new QGroupBox(QStringLiteral("Key Code"), page);
    modifier_ = new QComboBox(code);
    modifier_->addItems(KeyBuilderModifiers());
    key_ = new QComboBox(code);
    key_->addItems(KeyBuilderKeys());
    auto* appendCode = Button(QStringLiteral("Append"), [this] {
        AppendToKeystrokes(AppendKeyCode(item_.Keystrokes, modifier_->currentText(), key_->currentText()));
    });
    auto* codeRow = new QHBoxLayout(code);
    codeRow->addWidget(modifier_);
    codeRow->addWidget(new QLabel(QStringLiteral("+"), code));
    codeRow->addWidget(key_);
    codeRow->addWidget(appendCode);

    auto* value = new QGroupBox(QStringLiteral("Value"), page);
    keyword_ = new QComboBox(value);
    keyword_->addItems(KeyBuilderKeywords());
    auto* appendKeyword = Button(QStringLiteral("A&ppend"), [this] {
        AppendToKeystrokes(AppendKeyword(item_.Keystrokes, keyword_->currentText()));
    });
    auto* valueRow = new QHBoxLayout(value);
    valueRow->addWidget(keyword_);
    valueRow->addWidget(appendKeyword);
    data_ << modifier_ << key_ << keyword_;

    auto* builders = new QHBoxLayout;
    builders->addWidget(code);
    builders->addWidget(value);
    builders->addStretch();
    grid.Whole(builders);
    auto* abbreviations = new QPushButton(QStringLiteral("View Abbreviation List"), page);
    abbreviations->setAutoDefault(false);
    abbreviations->setEnabled(Procedures().Has(QLatin1String(kScriptKeysProcedure)));
    connect(abbreviations, &QPushButton::clicked, this,
            [this] { Procedures().Start(QLatin1String(kScriptKeysProcedure), this); });
    grid.Whole(ButtonRow({abbreviations}));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::WaitPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    QSpinBox* seconds = Spin(&item_.SecondsToWait, kSecondsMaximum);
    connect(seconds, &QSpinBox::valueChanged, this, &ScriptItemEditor::WaitInputChanged);
    grid.Row(QStringLiteral("Wait &seconds:"), seconds);
    WindowTitleBox* window = WindowBox(&item_.WaitForWindow);
    connect(window, &QComboBox::editTextChanged, this, &ScriptItemEditor::WaitInputChanged);
    grid.Row(QStringLiteral("&Wait for window:"), window, Button(QStringLiteral("Ad&vanced"), [this] {
                 PickContent(QLatin1String(kWindowContentProcedure), item_.WaitForWindow, &item_.FocusOnWindow);
             }));
    waitMode_ = Radios(QStringLiteral("Wait mode"), &work_.waitMode,
                       Texts(std::array{A::Either, A::Both}));
    grid.Whole(waitMode_);
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::FocusPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("&Focus on window:"), WindowBox(&item_.FocusOnWindow),
             Button(QStringLiteral("Advanced"), [this] {
                 PickContent(QLatin1String(kFocusContentProcedure), item_.FocusOnWindow, &item_.WaitForWindow);
             }));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::DdePage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("&Type:"), Choice(&item_.DDEType, Texts(A::kDdeTypes)));
    grid.Row(QStringLiteral("&Application name:"), Entry(&item_.DDEApplicationName, kWide));
    grid.Row(QStringLiteral("A&pplication topic:"), Entry(&item_.DDEApplicationTopic, kWide));
    grid.Row(QStringLiteral("&Item:"), Entry(&item_.DDELinkItem, 80));
    grid.Row(QStringLiteral("&Command:"), Entry(&item_.DDECommand, kWide));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::IfWindowPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Whole(Radios(QStringLiteral("Condition"), &item_.WindowExistance,
                      Texts(std::array{A::Exists, A::DoesNotExist})));
    grid.Row(QStringLiteral("Window:"), WindowBox(&item_.WindowTitleToCheckFor),
             Button(QStringLiteral("Advanced"), [this] {
                 PickContent(QLatin1String(kWindowContentProcedure), item_.WindowTitleToCheckFor,
                             &item_.FocusOnWindow);
             }));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::IfTimePage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Whole(Radios(QStringLiteral("Condition"), &item_.IfTimeElapsed,
                      Texts(std::array{A::GreaterThan, A::LessThan})));
    grid.Row(QStringLiteral("Seconds:"), Spin(&item_.TimeElapsed, INT_MAX));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::IfVarPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("Value name:"), Entry(&item_.Command, kWide));
    grid.Row(QStringLiteral("Comparison:"), Choice(&item_.WindowTitleToCheckFor, Texts(A::kComparisons)));
    grid.Row(QStringLiteral("Compare to:"), Entry(&item_.WaitForWindow, kWide));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::SetVarPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("Value name:"), Entry(&item_.Path, kWide));
    grid.Row(QStringLiteral("Value:"), Entry(&item_.Command, kWide));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::StartScriptPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("Script:"), Entry(&item_.Command, kWide),
             FileButton(&item_.Command, QLatin1String(kScriptFiles)));
    grid.Row(QStringLiteral("Type:"), Choice(&item_.Path, Texts(A::kStartScriptModes)));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::SendEmailPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    // The chosen message's ID and, as the item's description, its subject
    // and recipient. A new message is only stored: it is picked afterwards.
    QPushButton* select = Button(QStringLiteral("Select &Message"), [this] {
        if (const std::optional<MessagesRecord> message = SelectMessage(this)) {
            item_.EmailID = message->EmailID;
            item_.WindowTitleToCheckFor = MessageItemDescription(*message);
            Show();
        }
    });
    QPushButton* create = Button(QStringLiteral("&New Message"), [this] { NewMessage(this); });
    create->setVisible(owner_ == ScriptItemOwner::Task);
    grid.Whole(ButtonRow({select, create}));
    sendTo_ = new QLineEdit(page);
    subject_ = new QLineEdit(page);
    for (QLineEdit* shown : {sendTo_, subject_}) {
        shown->setReadOnly(true);
        shown->setToolTip(QStringLiteral("From the stored message this action sends"));
    }
    grid.Row(QStringLiteral("Send to:"), sendTo_);
    grid.Row(QStringLiteral("Subject:"), subject_);
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::FileActionsPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    QComboBox* subAction = Choice(&item_.DDEType, Texts(A::kFileActions));
    subAction->setMaxVisibleItems(static_cast<int>(A::kFileActions.size()));
    connect(subAction, &QComboBox::activated, this, &ScriptItemEditor::ShowFileActionPrompts);
    grid.Row(QStringLiteral("File Action:"), subAction);
    QLineEdit* first = Entry(&item_.Command, kWide);
    firstFile_ = FileButton(&item_.Command, QLatin1String(kAllFiles));
    firstPrompt_ = grid.Row(QStringLiteral("Parameter &1:"), first, firstFile_);
    firstRow_ = {firstPrompt_, first};
    QLineEdit* second = Entry(&item_.Path, kWide);
    secondFile_ = FileButton(&item_.Path, QLatin1String(kAllFiles));
    secondPrompt_ = grid.Row(QStringLiteral("Parameter &2:"), second, secondFile_);
    secondRow_ = {secondPrompt_, second};
    QLineEdit* host = Entry(&work_.ftpHost, kWide);
    QLineEdit* user = Entry(&work_.ftpUser, kFtpUserWidth);
    QLineEdit* password = Entry(&work_.ftpPassword, kFtpPasswordWidth);
    password->setEchoMode(QLineEdit::Password);
    ftpRows_ = {grid.Row(QStringLiteral("FTP &Host:"), host), host, grid.Row(QStringLiteral("&User Name:"), user),
                user, grid.Row(QStringLiteral("&Password:"), password), password};
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::NothingPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Whole(new QLabel(QStringLiteral("No information is required for this action.")));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::StartPage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("Comma&nd:"), Entry(&item_.Command, kWide), Button(QStringLiteral("&Browse"), [this] {
                 if (SelectProgramFile(item_))
                     Show();
             }));
    grid.Row(QStringLiteral("Start &in:"), Entry(&item_.Path, kWide));
    grid.Whole(ButtonRow({Button(QStringLiteral("Advanced"), [this] {
        if (EditStartOptions(item_, this))
            Show();
    })}));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::DisplayMessagePage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("Title:"), Entry(&work_.messageTitle, kMessageWidth));
    auto* text = new QPlainTextEdit(page);
    text->setTabChangesFocus(true);
    text->setFixedHeight(text->fontMetrics().lineSpacing() * 4 + 12);
    // The text keeps what its field holds: typing beyond it is not taken.
    connect(text, &QPlainTextEdit::textChanged, this, [this, text] {
        QString typed = text->toPlainText();
        if (typed.size() > kMessageWidth) {
            typed.truncate(kMessageWidth);
            const QSignalBlocker quiet(text);
            text->setPlainText(typed);
            text->moveCursor(QTextCursor::End);
        }
        work_.messageText = typed;
    });
    shows_.push_back([this, text] {
        if (text->toPlainText() != work_.messageText)
            text->setPlainText(work_.messageText);
    });
    data_ << text;
    grid.Row(QStringLiteral("Message:"), text);
    auto* standard = new QCheckBox(QStringLiteral("Use Windows Message Dialog"), page);
    connect(standard, &QCheckBox::clicked, this, [this](bool on) { work_.standardDialog = on; });
    shows_.push_back([this, standard] { standard->setChecked(work_.standardDialog); });
    data_ << standard;
    grid.Whole(standard);
    grid.Row(QStringLiteral("Buttons:"), Entry(&item_.FocusOnWindow, kWide));
    grid.End();
    return page;
}

QWidget* ScriptItemEditor::ClosePage()
{
    auto* page = new QWidget;
    PageGrid grid(page);
    grid.Row(QStringLiteral("Execu&table:"), Entry(&item_.Command, kWide), Button(QStringLiteral("&Browse"), [this] {
                 if (SelectProgramFile(item_))
                     Show();
             }));
    grid.End();
    return page;
}

} // namespace vl
