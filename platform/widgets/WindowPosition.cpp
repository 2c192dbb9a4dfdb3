#include "platform/widgets/WindowPosition.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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

qint64 Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

qint64 DistanceSquared(const QRect& area, const QPoint& point)
{
    const qint64 dx = point.x() < area.left() ? area.left() - point.x() : std::max(0, point.x() - area.right());
    const qint64 dy = point.y() < area.top() ? area.top() - point.y() : std::max(0, point.y() - area.bottom());
    return dx * dx + dy * dy;
}

// The area the place lands on: the one it overlaps most, else the nearest.
QRect LandingArea(const QRect& place, const QList<QRect>& areas)
{
    const QRect* best = &areas.first();
    for (const QRect& area : areas) {
        if (Overlap(place, area) > Overlap(place, *best))
            best = &area;
    }
    if (Overlap(place, *best) > 0)
        return *best;
    for (const QRect& area : areas) {
        if (DistanceSquared(area, place.center()) < DistanceSquared(*best, place.center()))
            best = &area;
    }
    return *best;
}

QRect FitInside(const QRect& place, const QRect& area)
{
    QRect fitted(place.topLeft(), place.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.left() + area.width() - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.top() + area.height() - fitted.height()));
    return fitted;
}

// The frame the desktop has put around the window; none before it is framed.
QMargins OwnFrameOf(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The frame the desktop puts around the window: its own once it has one,
// else that of the other framed windows (nothing before the first is framed).
QMargins FrameOf(const QWidget& window)
{
    if (const QMargins own = OwnFrameOf(window); !own.isNull())
        return own;
    QMargins frame;
    for (const QWindow* other : QGuiApplication::topLevelWindows()) {
        if (!other->isVisible())
            continue;
        const QMargins margins = other->frameMargins();
        frame = QMargins(std::max(frame.left(), margins.left()), std::max(frame.top(), margins.top()),
                         std::max(frame.right(), margins.right()), std::max(frame.bottom(), margins.bottom()));
    }
    return frame;
}

// Qt centres a window whose place nobody set on its screen when it is well
// within the screen (less than 8/9 of it each way); a larger one would be left
// at the screen's corner, partly under the panels or below the screen.
bool CentredByQt(const QSize& framed, const QRect& area)
{
    return framed.width() < area.width() * 8 / 9 && framed.height() < area.height() * 8 / 9;
}

// The desktop places a maximised, full-screen or minimised window itself.
bool PlacedByDesktop(const QWidget& window)
{
    return window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}

// Moves the window, framed, into the screen it lands on.
void FitPlace(QWidget& window, const QMargins& frame)
{
    QList<QRect> areas = AvailableScreenAreas();
    for (QRect& area : areas)
        area = area.marginsRemoved(frame);
    const QRect fitted = FitOnScreens(window.geometry(), areas);
    if (fitted != window.geometry())
        window.setGeometry(fitted);
}

void FitWindow(QWidget& window)
{
    if (PlacedByDesktop(window))
        return;
    const QMargins frame = FrameOf(window);
    if (!window.testAttribute(Qt::WA_Moved)) {
        const QScreen* screen = window.screen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry().marginsRemoved(frame);
        if (CentredByQt(window.size().grownBy(frame), area))
            return;
        QRect place(QPoint(), window.size());
        place.moveCenter(area.center());
        window.setGeometry(FitInside(place, area));
        return;
    }
    FitPlace(window, frame);
}

// Fits the window on the screens every time the program shows it, and again
// once it is on the screen: a desktop frames a window only when it shows
// it, so at the show its frame is a guess (that of the windows framed
// before, none at the program's start), and the desktop may have chosen
// its place meanwhile. A desktop may frame the window only after its first
// paint: when its frame then arrives, with the move the desktop makes for
// it, and differs from the one the last fit used, the window is fitted
// again with it. The user's own moves leave the frame as it is.
class ScreenFitter : public QObject {
public:
    explicit ScreenFitter(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(QLatin1String(kName));
        window.installEventFilter(this);
    }

    static constexpr char kName[] = "ScreenFitter";

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_ || !window_.isWindow())
            return false;
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            FitWindow(window_);
            framedFitDue_ = true;
            fittedFrame_.reset();
        } else if (event->type() == QEvent::Paint && framedFitDue_) {
            framedFitDue_ = false;
            FitFramedLater();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && event->spontaneous()
                   && fittedFrame_) {
            const QMargins own = OwnFrameOf(window_);
            if (!own.isNull() && own != *fittedFrame_)
                FitFramedLater();
        }
        return false;
    }

private:
    // Moved after the event, not inside it.
    void FitFramedLater()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!window_.isVisible() || PlacedByDesktop(window_))
                    return;
                fittedFrame_ = FrameOf(window_);
                FitPlace(window_, *fittedFrame_);
            },
            Qt::QueuedConnection);
    }

    QWidget& window_;
    bool framedFitDue_ = false;
    std::optional<QMargins> fittedFrame_; // the frame the last framed fit used
};

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

QRect FitOnScreens(const QRect& place, const QList<QRect>& areas)
{
    if (areas.isEmpty())
        return place;
    return FitInside(place, LandingArea(place, areas));
}

void KeepOnScreen(QWidget& window)
{
    if (!window.findChild<ScreenFitter*>(QLatin1String(ScreenFitter::kName), Qt::FindDirectChildrenOnly))
        new ScreenFitter(window);
}

void RestoreWindowPosition(const IniFile& ini, QWidget& window, const QString& procedure)
{
    if (const auto place = ReadWindowPlace(ini, procedure))
        window.setGeometry(FitOnScreens(*place, AvailableScreenAreas()));
    KeepOnScreen(window);
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
    // Filters run newest first: the keeper restores the saved place, then
    // the fitter fits what the window ends up with.
    KeepOnScreen(window);
    new PositionKeeper(window, procedure);
}

} // namespace vl
