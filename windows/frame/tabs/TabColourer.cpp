#include "windows/frame/tabs/TabColourer.h"

#include <QTabBar>
#include <QTabWidget>

namespace vl {

TabColourer::TabColourer(QWidget* window, const TabColours& colours)
    : QObject(window), window_(window), styleSheet_(TabStyleSheet(colours))
{
}

TabColourer* TabColourer::Attach(QWidget* window, const TabColours& colours)
{
    auto* colourer = new TabColourer(window, colours);
    colourer->Refresh();
    return colourer;
}

QList<QTabWidget*> TabColourer::Sheets() const
{
    QList<QTabWidget*> sheets = window_->findChildren<QTabWidget*>();
    if (auto* self = qobject_cast<QTabWidget*>(window_))
        sheets.prepend(self);
    return sheets;
}

bool TabColourer::IsWizardSheet(const QTabWidget* sheet)
{
    return !sheet->tabBar()->isVisibleTo(sheet);
}

void TabColourer::Refresh()
{
    for (QTabWidget* sheet : Sheets()) {
        QTabBar* bar = sheet->tabBar();
        const QString wanted = IsWizardSheet(sheet) ? QString() : styleSheet_;
        // A tab bar that a window styles itself keeps its own look.
        const bool ours = bar->styleSheet().isEmpty() || bar->styleSheet() == styleSheet_;
        if (ours && bar->styleSheet() != wanted)
            bar->setStyleSheet(wanted);
    }
}

void TabColourer::Detach()
{
    for (QTabWidget* sheet : Sheets()) {
        if (sheet->tabBar()->styleSheet() == styleSheet_)
            sheet->tabBar()->setStyleSheet(QString());
    }
    deleteLater();
}

} // namespace vl
