#pragma once
// The base of a window that shows one list (ListPane): the window's own
// set-up, the list's parts for the window's code and its tests, and the
// usual layout of tabs above the list and buttons below it.
//
//   BrowseHolidays::BrowseHolidays(QWidget* parent)
//       : ListWindow(parent, Tables().Holidays, kBrowseHolidaysProcedure, QStringLiteral("Holidays"))
//   {
//       pane_.Model().SetColumns(BrowseColumnsOf(kColumns));
//       AddKeyOrder(pane_.Model(), QStringLiteral("By Date"), HOL_KEYHOLIDAYDATE);
//       LayOut(StandardRow({"&New", "&View", "Cop&y", "&Edit", "&Delete"},
//                          RecordForms<UpdateHolidays>(pane_, Tables().Holidays)));
//       pane_.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this), {...});
//       KeepListWindowPlace(*this, kBrowseHolidaysProcedure, {420, 360});
//   }

#include "windows/lists/ListPane.h"

#include <QBoxLayout>
#include <QDialog>

#include <initializer_list>
#include <type_traits>

namespace vl {

// Window is QWidget (a window of its own, deleted on close) or QDialog (one
// its caller ends).
template <class Window = QWidget>
class ListWindow : public Window {
public:
    BrowseList* List() const { return pane_.List(); }
    BrowseModel* Model() const { return &pane_.Model(); }
    const BrowseButtons& Buttons() const { return pane_.Buttons(); }
    Xplore* Enhancement() const { return pane_.Enhancement(); }

protected:
    ListWindow(QWidget* parent, TableFile& table, const char* procedure, const QString& title,
               const TableOpener& open = {})
        : Window(parent, std::is_base_of_v<QDialog, Window> ? Qt::WindowFlags() : Qt::WindowFlags(Qt::Window)),
          pane_(*this, table, open)
    {
        SetUpListWindow(*this, procedure, title);
    }

    // The buttons the texts name with View and Copy (ListPane::AddButtons),
    // then "Cl&ose" at the far end.
    QHBoxLayout* StandardRow(const ListButtonTexts& texts, ViewCopyBrowse::AskForm askForm)
    {
        auto* row = new QHBoxLayout;
        pane_.AddButtons(*row, texts, std::move(askForm));
        row->addStretch();
        AddCloseButton(*this, *row);
        return row;
    }

    // The window's layout: the widgets above, the list taking the room left,
    // the row of buttons below.
    void LayOut(QBoxLayout* row, std::initializer_list<QWidget*> above = {})
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* widget : above)
            layout->addWidget(widget);
        layout->addWidget(List(), 1);
        layout->addLayout(row);
    }

    ListPane pane_;
};

} // namespace vl
