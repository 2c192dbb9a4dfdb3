#include "windows/frame/quickstart/QuickStartMenu.h"

#include "scheduler/engine/DueTask.h"
#include "scheduler/engine/DueTaskRules.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace vl {

std::optional<ClockTime> ChooseQuickStartDelay(QWidget* parent, const QPoint& at)
{
    QMenu menu(parent);
    for (const QuickStartDelay& delay : QuickStartDelays())
        menu.addAction(delay.label)->setData(delay.hundredths);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cancel"));
    const QAction* chosen = menu.exec(at);
    if (!chosen || !chosen->data().isValid())
        return std::nullopt;
    return chosen->data().toInt();
}

int32_t QuickStartTask(const ScheduleRecord& task, QWidget* parent)
{
    const std::optional<ClockTime> delay = ChooseQuickStartDelay(parent, QCursor::pos());
    return delay ? AddQuickStartTask(task, *delay) : 0;
}

} // namespace vl
