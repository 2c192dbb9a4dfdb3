#pragma once
// "Enter Date Range" (Function:SelectDateRange): a start and an end date,
// each with a calendar button, and "Use Start Date Only", which makes the
// range that one day. OK hands both dates back; Cancel hands back nothing.

#include "platform/runtime/Calendar.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QPushButton;

namespace vl {

class PictureSpinBox;

class SelectDateRange : public QDialog {
    Q_OBJECT
public:
    SelectDateRange(Date start, Date end, QWidget* parent = nullptr);

    Date Start() const;
    // The end date; the start date while "Use Start Date Only" is ticked.
    Date End() const;

    PictureSpinBox* StartBox() const { return start_; }
    PictureSpinBox* EndBox() const { return end_; }
    QCheckBox* StartOnly() const { return startOnly_; }

private:
    QPushButton* CalendarButton(PictureSpinBox* box);

    PictureSpinBox* start_ = nullptr;
    PictureSpinBox* end_ = nullptr;
    QPushButton* endCalendar_ = nullptr;
    QCheckBox* startOnly_ = nullptr;
};

// Opens the dialog window-modal to the parent; done receives the two dates
// after OK only.
void OpenSelectDateRange(QWidget* parent, Date start, Date end, std::function<void(Date start, Date end)> done);

} // namespace vl
