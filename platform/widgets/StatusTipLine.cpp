#include "platform/widgets/StatusTipLine.h"

#include <QApplication>
#include <QStatusTipEvent>

namespace vl {

StatusTipLine::StatusTipLine(QWidget& window) : QStatusBar(&window), window_(window)
{
    setSizeGripEnabled(false);
    // Status texts reach the window by their own event, which a window
    // without a status bar drops.
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && window_.isAncestorOf(now))
            ShowFocused();
    });
}

bool StatusTipLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            ShowFocused();
        else
            showMessage(tip);
        return true;
    }
    return false;
}

void StatusTipLine::ShowFocused()
{
    QString tip;
    for (QWidget* control = window_.focusWidget(); control && control != &window_ && tip.isEmpty();
         control = control->parentWidget())
        tip = control->statusTip();
    showMessage(tip);
}

} // namespace vl
