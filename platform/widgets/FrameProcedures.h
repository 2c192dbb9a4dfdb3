#pragma once
// The procedures the frame's menus, toolbar and tray menu start, by name
// ("BrowseSchedule", "Print:SCH:OneCategory", "Options"). Each part of the
// program registers its own when the program starts; the frame enables an
// item once its procedure is registered.
//
// - A window procedure (a list, wizard, report or tool) opens as a logical
//   thread of its own, one window per procedure: a second start brings the
//   open one forward (ThreadRegistry::StartProcedure).
// - A modal procedure (Options, About, Print Setup) runs on the frame's
//   thread and returns when its window closes.

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace vl {

class FrameProcedures : public QObject {
    Q_OBJECT
public:
    using WindowFactory = std::function<QWidget*()>;
    using ModalProcedure = std::function<void(QWidget* frame)>;

    // A later registration under the same name replaces the earlier one.
    void RegisterWindow(const QString& name, WindowFactory create);
    void RegisterModal(const QString& name, ModalProcedure run);
    void Unregister(const QString& name);

    bool Has(const QString& name) const;
    // Starts the procedure; false when none is registered under the name.
    bool Start(const QString& name, QWidget* frame) const;

signals:
    // A procedure was registered or unregistered.
    void Changed();

private:
    struct Entry {
        WindowFactory create;
        ModalProcedure run;
    };
    std::map<QString, Entry> entries_;
};

// The program's procedures.
FrameProcedures& Procedures();

} // namespace vl
