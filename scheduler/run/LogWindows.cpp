#include "scheduler/run/LogWindows.h"

#include "core/base/Globals.h"
#include "scripting/WindowLists.h"

#include <QSaveFile>

namespace vl {
namespace {

QString Column(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString Line(const QString& title, const QString& handle, const QString& childText = QString(),
             const QString& childClass = QString(), const QString& childHandle = QString())
{
    return Column(title, 40) + Column(handle, 12) + Column(childText, 40) + Column(childClass, 20)
           + Column(childHandle, 12) + QLatin1Char('\n');
}

} // namespace

std::optional<int> LogWindows(const QString& fileName, DesktopBackend& desktop)
{
    TopWindowQueue windows;
    ListTopWindows(windows, ExclHidden != 0, desktop);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return std::nullopt;
    QString text;
    // The queue grows while it is walked: a "Win" child joins it at its end.
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const TopWindowEntry window = windows.at(i);
        text += Line(window.LINE, QString::number(window.HANDLE));
        ChildWindowQueue children;
        ListChildWindows(children, window.HANDLE, desktop);
        for (const ChildWindowEntry& child : std::as_const(children)) {
            if (child.LINE == QLatin1String("<>"))
                continue;
            text += Line(QString(), QString(), child.LINE, child.CLASS, QString::number(child.HANDLE));
            if (child.CLASS.contains(QLatin1String("Win")))
                windows.append({child.LINE + QStringLiteral(" (Child of ") + window.LINE.trimmed() + u')',
                                child.HANDLE, child.CLASS});
        }
    }
    file.write(text.toUtf8());
    if (!file.commit())
        return std::nullopt;
    return static_cast<int>(windows.size());
}

} // namespace vl
