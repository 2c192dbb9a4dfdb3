#pragma once
// The forms a list's buttons open on its records: the record a request
// opens with, the form window-modal over the list's window, and after OK the
// list showing the stored record highlighted.

#include "platform/data/Table.h"
#include "platform/ui/FormRequest.h"
#include "windows/lists/ListPane.h"

#include <QDialog>

#include <functional>

namespace vl {

// The list read again with record highlighted when it is among its rows.
template <class R>
void ShowStoredRecord(ListPane& pane, const R& record)
{
    pane.List()->Refresh();
    const int row = pane.Model().RowOf(ViewRow::From(pane.Model().Definition(), record));
    if (row >= 0)
        pane.List()->SelectRow(row);
}

// The highlighted record as stored now; false, with the list read again,
// when there is none or it is gone meanwhile (another window or program
// deleted it).
template <class R>
bool HighlightedRecord(ListPane& pane, Table<R>& table, R& record)
{
    if (pane.Model().Record(pane.List()->CurrentRow(), record) && table.Get(record.RecordPointer, record))
        return true;
    pane.List()->Refresh();
    return false;
}

// The record a form opens with for request: the table's primed record for
// Insert, else the highlighted one (HighlightedRecord), without its record
// pointer for a copy.
template <class R>
bool RecordForForm(ListPane& pane, Table<R>& table, FormRequest request, bool copy, R& record)
{
    if (request == FormRequest::Insert && !copy) {
        table.Prime(record);
        return true;
    }
    if (!HighlightedRecord(pane, table, record))
        return false;
    if (copy)
        record.RecordPointer = 0;
    return true;
}

// Opens form, window-modal over the list's window and deleted on close.
// After OK the list shows the stored record (form->Record()) highlighted,
// then stored runs.
template <class Form>
Form* OpenPaneForm(ListPane& pane, Form* form, std::function<void()> stored = {})
{
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    QObject::connect(form, &QDialog::accepted, &pane.Window(), [&pane, form, stored = std::move(stored)] {
        ShowStoredRecord(pane, form->Record());
        if (stored)
            stored();
    });
    form->open();
    return form;
}

// What a list's buttons ask for when Form(request, record, window) edits
// the table's records: the form on the record RecordForForm gives (OpenPaneForm).
template <class Form, class R>
ViewCopyBrowse::AskForm RecordForms(ListPane& pane, Table<R>& table, std::function<void()> stored = {})
{
    return [&pane, &table, stored = std::move(stored)](FormRequest request, bool copy) {
        R record;
        if (RecordForForm(pane, table, request, copy, record))
            OpenPaneForm(pane, new Form(request, record, &pane.Window()), stored);
    };
}

} // namespace vl
