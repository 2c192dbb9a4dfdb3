#pragma once
// The backup manager's About window ("About": what the program is, "System
// &Info..." and "Cl&ose") and its "System Info" window with the releases of
// the zip library and of the runtime.

#include <QDialog>

namespace vl {

class BackupAbout : public QDialog {
public:
    explicit BackupAbout(QWidget* parent = nullptr);
};

class AboutZipLibrary : public QDialog {
public:
    explicit AboutZipLibrary(QWidget* parent = nullptr);
};

} // namespace vl
