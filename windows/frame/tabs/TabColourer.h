#pragma once
// Colours the tabs of every tab sheet of a window (TabColours.h). One call
// per window:
//
//     TabColourer::Attach(this);
//
// The tab bars repaint by themselves when the selection changes; Refresh
// picks up sheets added to the window later. Wizard sheets (tab bar hidden)
// are left alone.

#include "core/tabs/TabColours.h"

#include <QObject>

class QTabWidget;
class QWidget;

namespace vl {

class TabColourer : public QObject {
    Q_OBJECT
public:
    // Colours the window's sheets; the colourer lives as long as the window.
    static TabColourer* Attach(QWidget* window, const TabColours& colours = {});

    // Colours sheets not yet coloured, and uncolours sheets whose tab bar has
    // been hidden since.
    void Refresh();
    // Gives the tab bars back their own colours; the colourer is deleted.
    void Detach();

    // A sheet whose tabs are not shown: the pages are chosen by the window.
    static bool IsWizardSheet(const QTabWidget* sheet);

private:
    TabColourer(QWidget* window, const TabColours& colours);
    QList<QTabWidget*> Sheets() const;

    QWidget* window_;
    QString styleSheet_;
};

} // namespace vl
