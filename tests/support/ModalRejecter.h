#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QTimer>

namespace vl::test {

// Rejects the dialog that runs modally, once it is the active modal widget
// (polled: it may take more than one pass of the event loop to become it),
// and keeps its title.
class ModalRejecter {
public:
    ModalRejecter()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown_ = modal->windowTitle();
                modal->reject();
            }
        });
        timer_.start(10);
    }
    const QString& Shown() const { return shown_; }

private:
    QString shown_;
    QTimer timer_;
};

} // namespace vl::test
