#include "windows/hotkeys/TabWizard.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace vl {

void TabWizard::Setup(const Controls& controls, const Flags& flags)
{
    controls_ = controls;
    flags_ = flags;
    FindTabRange();
    current_ = min_;
    if (flags_.wizard) {
        controls_.sheet->tabBar()->hide();
    } else {
        controls_.ok->show();
        controls_.back->hide();
        controls_.next->hide();
    }
    QObject::connect(controls_.back, &QPushButton::clicked, controls_.back, [this] { TakeBack(); });
    QObject::connect(controls_.next, &QPushButton::clicked, controls_.next, [this] { TakeNext(); });
    Refresh();
}

bool TabWizard::Hidden(int tab) const
{
    return !controls_.sheet->isTabVisible(tab - 1);
}

void TabWizard::FindTabRange()
{
    min_ = 1;
    max_ = controls_.sheet->count();
    if (!flags_.skipHidden)
        return;
    while (min_ < max_ && Hidden(min_))
        ++min_;
    while (max_ > min_ && Hidden(max_))
        --max_;
}

void TabWizard::ClampTab()
{
    current_ = std::clamp(current_, min_, max_);
}

void TabWizard::NextTab()
{
    if (flags_.validateOnNext && !Validate())
        return;
    FindTabRange();
    ++current_;
    while (flags_.skipHidden && current_ < max_ && Hidden(current_))
        ++current_;
    ClampTab();
}

void TabWizard::PreviousTab()
{
    FindTabRange();
    --current_;
    while (flags_.skipHidden && current_ > min_ && Hidden(current_))
        --current_;
    ClampTab();
}

void TabWizard::TakeBack()
{
    PreviousTab();
    AfterBack();
    Refresh();
}

void TabWizard::TakeNext()
{
    NextTab();
    AfterNext();
    Refresh();
    if (flags_.validateOnNext && !Validate())
        DefaultButton()->setEnabled(false);
}

QPushButton* TabWizard::DefaultButton() const
{
    return flags_.wizard && current_ < max_ ? controls_.next : controls_.ok;
}

void TabWizard::ResetButtons()
{
    if (!flags_.wizard)
        return;
    FindTabRange();
    ClampTab();
    controls_.next->setDefault(true);
    controls_.ok->setDefault(false);
    if (flags_.coexistOkNext) {
        controls_.ok->hide();
        controls_.next->show();
    }
    controls_.back->setEnabled(current_ > min_);
    controls_.next->setEnabled(current_ < max_);
    if (current_ >= max_) {
        if (flags_.coexistOkNext) {
            controls_.ok->show();
            controls_.next->hide();
        }
        controls_.next->setDefault(false);
        controls_.ok->setDefault(true);
    }
    controls_.sheet->setCurrentIndex(current_ - 1);
}

} // namespace vl
