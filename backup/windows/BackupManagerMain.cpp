#include "backup/windows/BackupManagerMain.h"

#include "backup/BackupRecommendation.h"
#include "backup/BackupRunner.h"
#include "backup/windows/BackupManagerFrame.h"
#include "backup/windows/SignalEnd.h"
#include "backup/windows/ZipProgressWindow.h"
#include "platform/widgets/DesktopServices.h"
#include "platform/widgets/WindowPosition.h"

#include <QApplication>
#include <QEvent>

namespace vl {

namespace {

constexpr char kManagerIniFile[] = "Orlend.INI";
constexpr char kFrameName[] = "BackupManagerFrame";

// Saves the frame's place as it closes, while it is still shown.
class SavePlaceOnClose : public QObject {
public:
    explicit SavePlaceOnClose(IniFile& ini) : ini_(ini) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            SaveWindowPosition(ini_, *static_cast<QWidget*>(watched), QLatin1String(kFrameName));
        return false;
    }

private:
    IniFile& ini_;
};

} // namespace

int BackupManagerMain(int argc, char** argv)
{
    // The menus stay in the window, as the main program's do.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orlend"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    const DesktopServices services;
    const SignalEnd end;
    const ZipProgressWindow progress;
    IniFile ini(QString::fromLatin1(kManagerIniFile));
    BackupManagerFrame frame;
    RestoreWindowPosition(ini, frame, QLatin1String(kFrameName));
    SavePlaceOnClose saver(ini);
    frame.installEventFilter(&saver);
    frame.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        // The backup runner's INI file, in the current folder.
        IniFile runnerIni(QString::fromLatin1(kRunnerIniFile));
        RecommendBackup(arguments.at(1), runnerIni);
    }
    if (!end.Ended())
        app.exec();
    // Ended by a signal, the frame closes as File › Exit closes it, keeping
    // its place.
    if (end.Ended())
        frame.close();
    return end.ExitCode(0);
}

} // namespace vl
