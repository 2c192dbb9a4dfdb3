#include "platform/widgets/WindowPosition.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vl {
namespace {

constexpr char kXPosit[] = "XPosit";
constexpr char kYPosit[] = "YPosit";
constexpr char kWidth[] = "Width";
constexpr char kHeight[] = "Height";

std::optional<int> ReadNumber(const IniFile& ini, const QString& section, const char* entry)
{
    bool ok = false;
    const int value = ini.Get(section, QString::fromLatin1(entry)).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

std::optional<QRect> ReadWindowPlace(const IniFile& ini, const QString& procedure)
{
    const auto x = ReadNumber(ini, procedure, kXPosit);
    const auto y = ReadNumber(ini, procedure, kYPosit);
    const auto width = ReadNumber(ini, procedure, kWidth);
    const auto height = ReadNumber(ini, procedure, kHeight);
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return QRect(*x, *y, *width, *height);
}

bool WriteWindowPlace(IniFile& ini, const QString& procedure, const QRect& place)
{
    // Every entry is attempted even after a failure, so a transient lock
    // costs at most the entries it hit.
    bool ok = ini.Put(procedure, QString::fromLatin1(kXPosit), QString::number(place.x()));
    ok = ini.Put(procedure, QString::fromLatin1(kYPosit), QString::number(place.y())) && ok;
    ok = ini.Put(procedure, QString::fromLatin1(kWidth), QString::number(place.width())) && ok;
    ok = ini.Put(procedure, QString::fromLatin1(kHeight), QString::number(place.height())) && ok;
    return ok;
}

QRect KeepOnScreens(const QRect& place, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return place;
    for (const QRect& screen : screens) {
        if (screen.intersects(place))
            return place;
    }
    return QRect(screens.first().topLeft(), place.size());
}

void RestoreWindowPosition(const IniFile& ini, QWidget& window, const QString& procedure)
{
    if (const auto place = ReadWindowPlace(ini, procedure))
        window.setGeometry(KeepOnScreens(*place, AvailableScreenAreas()));
}

void SaveWindowPosition(IniFile& ini, const QWidget& window, const QString& procedure)
{
    if (!window.isVisible())
        return;
    // normalGeometry is the place a maximised window returns to; for a
    // window shown normally (or minimised from normal) it is its geometry.
    const QRect place = window.normalGeometry();
    if (place.isValid())
        WriteWindowPlace(ini, procedure, place);
}

namespace {

// Restores the window's place when it is first shown and saves it when the
// program hides or closes it, in POSITION.INI of the data directory.
class PositionKeeper : public QObject {
public:
    PositionKeeper(QWidget& window, QString procedure)
        : QObject(&window), window_(window), procedure_(std::move(procedure))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_) {
            if (event->type() == QEvent::Show && !restored_) {
                restored_ = true;
                RestoreWindowPosition(IniFile(QString::fromLatin1(kPositionIniFile)), window_, procedure_);
            } else if (event->type() == QEvent::Hide && !event->spontaneous()) {
                // Dialogs end by hiding, without a close event; the window is
                // no longer visible here, so its normal place is written directly.
                IniFile positions(QString::fromLatin1(kPositionIniFile));
                const QRect place = window_.normalGeometry();
                if (place.isValid())
                    WriteWindowPlace(positions, procedure_, place);
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QString procedure_;
    bool restored_ = false;
};

} // namespace

void KeepWindowPosition(QWidget& window, const QString& procedure)
{
    new PositionKeeper(window, procedure);
}

} // namespace vl
