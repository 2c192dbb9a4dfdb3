#pragma once
// "Exceptions" (UpdateSchedule:ExceptionsWindow): the days and times on
// which a task's occurrence must not run, and where an excluded occurrence
// goes. It edits the task form's own copy of the task; there is no Cancel:
// however the window closes, what it shows goes into the task.

#include "core/dictionary/ScheduleRecord.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace vl {

class PictureSpinBox;
class TabColourer;

class ExceptionsWindow : public QDialog {
    Q_OBJECT
public:
    ExceptionsWindow(ScheduleRecord& task, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }

    void done(int result) override;

private:
    QWidget* StandardPage();
    QWidget* OverridesPage();
    // The controls into the task, then the enable rules.
    void Take();
    void ApplyEnableRules();

    ScheduleRecord& task_;
    QTabWidget* tabs_ = nullptr;
    QButtonGroup* action_ = nullptr;
    QWidget* actionBox_ = nullptr;
    QCheckBox* weekends_ = nullptr;
    QCheckBox* weekdays_ = nullptr;
    QCheckBox* holidays_ = nullptr;
    QCheckBox* timeRange_ = nullptr;
    QLabel* beginLabel_ = nullptr;
    QLabel* endLabel_ = nullptr;
    PictureSpinBox* begin_ = nullptr;
    PictureSpinBox* end_ = nullptr;
    QPushButton* holidayList_ = nullptr;
    std::array<QCheckBox*, 7> days_{};
    TabColourer* colourer_ = nullptr;
};

} // namespace vl
