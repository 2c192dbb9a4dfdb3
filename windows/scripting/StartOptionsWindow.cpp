#include "windows/scripting/StartOptionsWindow.h"

#include "platform/widgets/WindowPosition.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace vl {
namespace {

// A group of radio buttons laid out in `columns`, each button's id its code.
QGroupBox* RadioGroup(const QString& title, QButtonGroup* buttons, const QList<QPair<QString, int>>& choices,
                      int columns, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(choices[i].first, box);
        buttons->addButton(radio, choices[i].second);
        grid->addWidget(radio, i / columns, i % columns);
    }
    return box;
}

// What the desktop cannot do with a choice that is still stored with the item.
constexpr char kWindowModeTip[] =
    "Not on this desktop: a program's first window shows as the program chooses (the choice is kept with the item)";
constexpr char kVerbTip[] =
    "Not on this desktop: documents only open with the desktop's default action (the choice is kept with the item)";

} // namespace

StartOptionsWindow::StartOptionsWindow(const ScriptingRecord& item, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Advanced..."));
    const StartOptions options = ReadStartOptions(item);
    verbAtOpen_ = options.verb;

    auto* continues = new QGroupBox(QStringLiteral("Script continues"), this);
    wait_ = new QCheckBox(QStringLiteral("Only after program is finished (\"Wait for program end\")."), continues);
    seconds_ = new QSpinBox(continues);
    seconds_->setRange(0, INT_MAX);
    auto* stopRow = new QHBoxLayout;
    auto* stopLabel = new QLabel(QStringLiteral("Stop waiting after"), continues);
    stopLabel->setBuddy(seconds_);
    stopRow->addWidget(stopLabel);
    stopRow->addWidget(seconds_);
    stopRow->addWidget(new QLabel(QStringLiteral("seconds, even if program is running."), continues));
    stopRow->addStretch();
    auto* continuesLayout = new QVBoxLayout(continues);
    continuesLayout->addWidget(wait_);
    continuesLayout->addLayout(stopRow);

    modes_ = new QButtonGroup(this);
    QList<QPair<QString, int>> modeChoices;
    for (const StartWindowModeName& mode : kStartWindowModes)
        modeChoices.append({QLatin1String(mode.text), static_cast<int>(mode.mode)});
    QGroupBox* modeGroup = RadioGroup(QStringLiteral("Window mode"), modes_, modeChoices, 1, this);

    verbs_ = new QButtonGroup(this);
    QList<QPair<QString, int>> verbChoices;
    for (size_t i = 0; i < kStartVerbs.size(); ++i)
        verbChoices.append({QLatin1String(kStartVerbs[i]), static_cast<int>(i)});
    verbGroup_ = RadioGroup(QStringLiteral("Start type"), verbs_, verbChoices, 2, this);
    for (QAbstractButton* mode : modes_->buttons()) {
        if (modes_->id(mode) != static_cast<int>(StartWindowMode::Focus))
            mode->setToolTip(QLatin1String(kWindowModeTip));
    }
    for (QAbstractButton* verb : verbs_->buttons()) {
        if (verbs_->id(verb) != 0) // "Open"
            verb->setToolTip(QLatin1String(kVerbTip));
    }

    priorities_ = new QButtonGroup(this);
    QGroupBox* priorityGroup = RadioGroup(QStringLiteral("Process Priority"), priorities_,
                                          {{QStringLiteral("Low"), '1'}, {QStringLiteral("Normal"), '2'},
                                           {QStringLiteral("High"), '3'}},
                                          3, this);
    translate_ = new QCheckBox(QStringLiteral("Translate command"), this);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* middle = new QHBoxLayout;
    middle->addWidget(modeGroup);
    middle->addWidget(verbGroup_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(translate_);
    bottom->addStretch();
    bottom->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(continues);
    layout->addLayout(middle);
    layout->addWidget(priorityGroup);
    layout->addLayout(bottom);

    wait_->setChecked(options.waitForEnd);
    seconds_->setValue(options.stopWaitingAfter);
    modes_->button(static_cast<int>(options.windowMode))->setChecked(true);
    for (size_t i = 0; i < kStartVerbs.size(); ++i) {
        if (options.verb.compare(QLatin1String(kStartVerbs[i]), Qt::CaseInsensitive) == 0)
            verbs_->button(static_cast<int>(i))->setChecked(true);
    }
    priorities_->button(static_cast<int>(options.priority))->setChecked(true);
    translate_->setChecked(options.translate);
    connect(wait_, &QCheckBox::toggled, this, &StartOptionsWindow::WaitToggled);
    WaitToggled(options.waitForEnd);
    KeepWindowPosition(*this, QLatin1String(kStartOptionsProcedure));
}

void StartOptionsWindow::WaitToggled(bool on)
{
    seconds_->setEnabled(on);
    verbGroup_->setEnabled(!on);
}

StartOptions StartOptionsWindow::Options() const
{
    StartOptions options;
    options.waitForEnd = wait_->isChecked();
    options.priority = static_cast<StartPriority>(priorities_->checkedId());
    options.windowMode = static_cast<StartWindowMode>(modes_->checkedId());
    options.translate = translate_->isChecked();
    options.stopWaitingAfter = seconds_->value();
    const int verb = verbs_->checkedId();
    options.verb = verb >= 0 ? QLatin1String(kStartVerbs[static_cast<size_t>(verb)]) : verbAtOpen_;
    return options;
}

bool EditStartOptions(ScriptingRecord& item, QWidget* parent)
{
    StartOptionsWindow window(item, parent);
    if (window.exec() != QDialog::Accepted)
        return false;
    WriteStartOptions(window.Options(), item);
    return true;
}

} // namespace vl
