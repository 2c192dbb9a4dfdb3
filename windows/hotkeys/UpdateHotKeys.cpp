#include "windows/hotkeys/UpdateHotKeys.h"

#include "core/dictionary/Dictionary.h"
#include "platform/widgets/TextWidth.h"
#include "windows/frame/tabs/TabColourer.h"
#include "hotkeys/HotKeyStore.h"
#include "windows/hotkeys/HotKeyTaskWizard.h"
#include "windows/hotkeys/TabWizard.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {
namespace {

constexpr int kDescriptionWidth = 40;
constexpr int kPictureSize = 64;
const char* const kModifierLabels[] = {"Control", "Alt", "Shift", "Win"};
const char* const kTextTypes[][2] = {{"Type", "Typing"},
                                     {"Copy", "Copy to clipboard"},
                                     {"Paste", "Copy to clipboard, then paste (using CTRL-V)"}};

// The pages' own steps: the form redisplays after every step and calls the
// script wizard after stepping onto the "Task" page.
class FormSteps : public TabWizard {
public:
    std::function<void()> refreshed;
    std::function<void()> steppedOn;

protected:
    void Refresh() override
    {
        ResetButtons();
        refreshed();
    }
    void AfterNext() override { steppedOn(); }
};

// Memo text keeps "\r\n" line ends (a typed text turns each into one Enter).
QString StoredText(const QString& shown)
{
    QString text = shown;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString ShownText(const QString& stored)
{
    return QString(stored).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

UpdateHotKeys::UpdateHotKeys(FormRequest request, const SysHotKeysRecord& hotKey, QWidget* parent)
    : QDialog(parent), request_(request), hotKey_(hotKey)
{
    setWindowTitle(FormCaption(request, QStringLiteral("New Hot Key"), QStringLiteral("Edit Hot Key")));
    setObjectName(QLatin1String(kUpdateHotKeysProcedure));
    setWindowIcon(LoadIcon(QStringLiteral("keydown.ico")));
    opened_ = OpenTable(Tables().SysHotKeys);

    sheet_ = new QTabWidget(this);
    sheet_->addTab(MakeBasicPage(SplitHotKeyText(hotKey.HotKey)), QStringLiteral("Basic"));
    sheet_->addTab(MakeTextPage(), QStringLiteral("Text"));
    auto* calling = new QLabel(QStringLiteral("Calling Script Wizard..."));
    calling->setAlignment(Qt::AlignCenter);
    sheet_->addTab(calling, QStringLiteral("Task"));

    auto* picture = new QLabel(this);
    picture->setPixmap(LoadIcon(QStringLiteral("keydown.ico")).pixmap(kPictureSize, kPictureSize));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addWidget(sheet_, 1);

    back_ = new QPushButton(QStringLiteral("&Back"), this);
    next_ = new QPushButton(QStringLiteral("&Next"), this);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    connect(ok_, &QPushButton::clicked, this, &UpdateHotKeys::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateHotKeys::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {back_, next_, ok_, cancel_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    ShowActionPage();
    auto steps = std::make_unique<FormSteps>();
    steps->refreshed = [this] { StepsRefreshed(); };
    steps->steppedOn = [this] {
        if (steps_->CurrentTab() == kTaskPage && TaskStepPossible())
            CallTaskWizard();
    };
    steps_ = std::move(steps);
    steps_->Setup({sheet_, back_, next_, ok_, cancel_}, {});
    ShowKeyText();

    QList<QWidget*> dataControls{key_, active_, textAction_, taskAction_, description_, text_};
    for (QCheckBox* box : modifiers_)
        dataControls << box;
    for (QRadioButton* type : textTypes_)
        dataControls << type;
    ApplyFormMode(request, dataControls, ok_, cancel_, LoadIcon(QStringLiteral("close")));
    TabColourer::Attach(this);
    KeepWindowPosition(*this, QLatin1String(kUpdateHotKeysProcedure));
}

UpdateHotKeys::~UpdateHotKeys()
{
    if (opened_)
        Tables().SysHotKeys.Close();
}

QWidget* UpdateHotKeys::MakeBasicPage(const HotKeyParts& parts)
{
    auto* page = new QWidget;
    auto* keyBox = new QGroupBox(QStringLiteral("Hot key"), page);
    auto* keyRow = new QHBoxLayout;
    const bool checked[] = {parts.ctrl, parts.alt, parts.shift, parts.win};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(QLatin1String(kModifierLabels[i]), keyBox);
        box->setChecked(checked[i]);
        connect(box, &QCheckBox::toggled, this, &UpdateHotKeys::ShowKeyText);
        keyRow->addWidget(box);
        modifiers_ << box;
    }
    key_ = new QComboBox(keyBox);
    key_->addItems(HotKeyNames());
    if (!parts.key.isEmpty() && !HotKeyNames().contains(parts.key))
        key_->insertItem(0, parts.key);
    key_->setCurrentIndex(key_->findText(parts.key));
    key_->setMaxVisibleItems(16);
    connect(key_, &QComboBox::currentIndexChanged, this, &UpdateHotKeys::ShowKeyText);
    keyRow->addWidget(key_);
    keyRow->addStretch();
    keyText_ = new QLabel(keyBox);
    auto* keyLayout = new QVBoxLayout(keyBox);
    keyLayout->addLayout(keyRow);
    keyLayout->addWidget(keyText_);

    active_ = new QCheckBox(QStringLiteral("&Active"), page);
    active_->setChecked(hotKey_.ACTIVE != 0);

    auto* actionBox = new QGroupBox(QStringLiteral("Action"), page);
    textAction_ = new QRadioButton(QStringLiteral("&Text - Automatically type text or copy to clipboard"), actionBox);
    taskAction_ = new QRadioButton(QStringLiteral("Ta&sk - Start/control programs with advanced options"), actionBox);
    textAction_->setChecked(SameTextNoCase(hotKey_.Action, QStringLiteral("Text")));
    taskAction_->setChecked(SameTextNoCase(hotKey_.Action, QStringLiteral("Task")));
    for (QRadioButton* action : {textAction_, taskAction_})
        connect(action, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ShowActionPage();
        });
    auto* actionLayout = new QVBoxLayout(actionBox);
    actionLayout->addWidget(textAction_);
    actionLayout->addWidget(taskAction_);

    description_ = new QLineEdit(Clip(hotKey_.Description), page);
    LimitToWidth(description_, kDescriptionWidth);
    auto* prompt = new QLabel(QStringLiteral("Enter a description for this hot key (optional):"), page);
    prompt->setBuddy(description_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(keyBox);
    layout->addWidget(active_);
    layout->addWidget(actionBox);
    layout->addWidget(prompt);
    layout->addWidget(description_);
    layout->addStretch();
    return page;
}

QWidget* UpdateHotKeys::MakeTextPage()
{
    auto* page = new QWidget;
    auto* typeBox = new QGroupBox(QStringLiteral("Automation"), page);
    auto* typeLayout = new QVBoxLayout(typeBox);
    for (const auto& [type, label] : kTextTypes) {
        auto* button = new QRadioButton(QLatin1String(label), typeBox);
        button->setChecked(SameTextNoCase(hotKey_.TEXTTYPE, QLatin1String(type)));
        typeLayout->addWidget(button);
        textTypes_ << button;
    }
    text_ = new QPlainTextEdit(ShownText(hotKey_.Text), page);
    auto* prompt = new QLabel(QStringLiteral("&Enter the text you wish to have typed/copied:"), page);
    prompt->setBuddy(text_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(typeBox);
    layout->addWidget(prompt);
    layout->addWidget(text_, 1);
    return page;
}

const TabWizard& UpdateHotKeys::Steps() const
{
    return *steps_;
}

QCheckBox* UpdateHotKeys::ModifierBox(const QString& label) const
{
    for (QCheckBox* box : modifiers_) {
        if (box->text() == label)
            return box;
    }
    return nullptr;
}

QRadioButton* UpdateHotKeys::TextType(const QString& type) const
{
    for (int i = 0; i < textTypes_.size(); ++i) {
        if (type == QLatin1String(kTextTypes[i][0]))
            return textTypes_[i];
    }
    return nullptr;
}

QString UpdateHotKeys::KeyText() const
{
    HotKeyParts parts;
    parts.ctrl = modifiers_[0]->isChecked();
    parts.alt = modifiers_[1]->isChecked();
    parts.shift = modifiers_[2]->isChecked();
    parts.win = modifiers_[3]->isChecked();
    parts.key = key_->currentText();
    return BuildHotKeyText(parts);
}

QString UpdateHotKeys::ChosenAction() const
{
    if (textAction_->isChecked())
        return QStringLiteral("Text");
    if (taskAction_->isChecked())
        return QStringLiteral("Task");
    return Clip(hotKey_.Action);
}

void UpdateHotKeys::ShowKeyText()
{
    keyText_->setText(QStringLiteral("Hot key: ") + KeyText());
}

void UpdateHotKeys::ShowActionPage()
{
    const QString action = ChosenAction();
    sheet_->setTabVisible(kTextPage - 1, action == QLatin1String("Text"));
    sheet_->setTabVisible(kTaskPage - 1, action == QLatin1String("Task"));
    if (steps_) {
        steps_->ResetButtons();
        StepsRefreshed();
    }
}

bool UpdateHotKeys::TaskStepPossible() const
{
    return request_ == FormRequest::Insert || request_ == FormRequest::Change;
}

void UpdateHotKeys::StepsRefreshed()
{
    // The "Task" page only calls the script wizard, which a read-only
    // request never does: there is nothing to step onto then.
    if (ChosenAction() == QLatin1String("Task") && !TaskStepPossible())
        next_->setEnabled(false);
}

void UpdateHotKeys::CallTaskWizard()
{
    SysHotKeysRecord edited = Edited();
    const QString problem = HotKeyKeyProblem(edited);
    if (!problem.isEmpty()) {
        Prompt::Message(problem, QLatin1String(kHotKeyRefusedCaption), PromptIcon::Exclamation);
        steps_->TakeBack();
        return;
    }
    // Only the hot key's own "Hot Key" task is handed over: a task of another
    // type that carries the ID is not the hot key's to change.
    const int32_t taskId = HasHotKeyTask(edited.ID) ? edited.ID : 0;
    auto done = [this](std::optional<int32_t> storedTaskId) {
        if (!storedTaskId) {
            steps_->TakeBack();
            return;
        }
        hotKey_.ID = *storedTaskId;
        ok_->click();
    };
    const bool opened = CurrentHotKeyTaskWizard().Open(Clip(edited.HotKey), taskId, this, done);
    if (!opened)
        steps_->TakeBack();
}

SysHotKeysRecord UpdateHotKeys::Edited() const
{
    SysHotKeysRecord edited = hotKey_;
    edited.HotKey = KeyText();
    edited.ACTIVE = active_->isChecked() ? 1 : 0;
    edited.Action = ChosenAction();
    edited.Description = description_->text();
    for (int i = 0; i < textTypes_.size(); ++i) {
        if (textTypes_[i]->isChecked())
            edited.TEXTTYPE = QLatin1String(kTextTypes[i][0]);
    }
    edited.Text = StoredText(text_->toPlainText());
    return edited;
}

void UpdateHotKeys::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    SysHotKeysRecord edited = request_ == FormRequest::Delete ? hotKey_ : Edited();
    if (!StoreHotKey(request_, edited))
        return;
    hotKey_ = edited;
    QDialog::accept();
}

} // namespace vl
