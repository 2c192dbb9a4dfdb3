#pragma once
// "Synchronize": sends the local tasks and to-do list to a synchronisation
// file, or receives one, each under its progress window; the window closes
// after either, or on "E&xit". It keeps its place under "Synchronize".

#include <QDialog>

namespace vl {

class SynchronizeWindow : public QDialog {
    Q_OBJECT
public:
    explicit SynchronizeWindow(QWidget* parent = nullptr);
};

} // namespace vl
