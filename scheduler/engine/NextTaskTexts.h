#pragma once
// The next task as the status bar and the tray tip show it. The frame's tick
// asks for them every cycle while the next task seldom changes: they are
// built again only when what they show changed (the task's description,
// date and time, the user's date picture, the desktop's locale), and are
// otherwise handed out as built.

#include "core/dictionary/ScheduleRecord.h"

#include <QLocale>
#include <QString>

namespace vl {

class NextTaskTexts {
public:
    // The texts for `next`, the task to show; "No tasks pending" and the
    // product name when it is null.
    void Show(const ScheduleRecord* next);
    const QString& Status() const { return status_; }
    const QString& TrayTip() const { return trayTip_; }

private:
    struct Shown {
        bool pending = false;
        QString description;
        Date date = 0;
        ClockTime time = 0;
        QString dateFormat;
        QLocale locale;
        bool operator==(const Shown&) const = default;
    };
    bool built_ = false;
    Shown shown_;
    QString status_;
    QString trayTip_;
};

} // namespace vl
