#pragma once
// "Synchronize": sends the local tasks and to-do list to a synchronisation
// file, or receives one; the window closes after either, or on "E&xit".

#include <QDialog>

namespace vl {

class SynchronizeWindow : public QDialog {
    Q_OBJECT
public:
    explicit SynchronizeWindow(QWidget* parent = nullptr);
};

} // namespace vl
