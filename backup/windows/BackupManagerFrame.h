#pragma once
// The backup manager's frame "Olvo Backup Module": menus and toolbar over
// one archive at a time, whose listing shows in the contents window. The
// frame holds the zip object and the zip preferences for the program's run.

#include "backup/ZipObject.h"
#include "backup/ZipPreferences.h"
#include "backup/windows/ArchiveContents.h"

#include <QMainWindow>

class QAction;

namespace vl {

class BackupManagerFrame : public QMainWindow {
public:
    explicit BackupManagerFrame(QWidget* parent = nullptr);

    // The frame's commands, as the menus, the toolbar and the contents
    // window's popup run them.
    void NewArchive();
    void OpenArchive();
    void CloseArchive();
    void Statistics();
    void ArchiveComment();
    void Add();
    void Delete();
    void Extract();
    void Test();
    void Preferences();

    ArchiveContents* Contents() const { return contents_; }
    ZipObject& Zip() { return zip_; }
    ZipPreferences& Prefs() { return preferences_; }

private:
    QAction* MakeAction(const QString& text, const QString& tip, void (BackupManagerFrame::*command)());
    void BuildMenus();
    void ShowArchive(const QString& name);
    void EnableArchiveCommands(bool on);
    void Run(ArchiveCommand command);
    void Unzip(bool extracting);

    ZipObject zip_;
    ZipPreferences preferences_;
    ArchiveContents* contents_ = nullptr;
    QList<QAction*> archiveCommands_;
    QAction* closeArchive_ = nullptr;
};

} // namespace vl
