#pragma once
// The mechanics the windows share that list the categories in one pane and
// what belongs to the highlighted category in another: the categories'
// list, following the highlight, the highlighted name, and the category form
// opened from the list.

#include "platform/browse/BrowseModel.h"
#include "platform/data/Table.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/FormRequest.h"
#include "platform/widgets/BrowseList.h"
#include "windows/lists/ListPane.h"

#include <QDialog>

#include <functional>

namespace vl {

// The list of the categories: the one column "Categories" (field) in the
// order of key ("By Category"), filling the list.
void SetUpCategoryPane(ListPane& categories, const char* field, KeyRef key);

// Runs show now and whenever another category is highlighted or the
// categories reload, and gives the categories the focus now and whenever the
// window is brought forward.
void FollowHighlightedCategory(QWidget* window, BrowseList* categories, BrowseModel* model,
                               const std::function<void()>& show);

// The list reloaded with record highlighted when it is among its rows.
template <class R>
void ShowStoredRecord(BrowseList* list, BrowseModel& model, const R& record)
{
    list->Refresh();
    const int row = model.RowOf(ViewRow::From(model.Definition(), record));
    if (row >= 0)
        list->SelectRow(row);
}

// The name (field) of the highlighted category; empty when the list has none.
template <class R>
QString HighlightedCategory(const BrowseList* categories, BrowseModel& model, QString R::*field)
{
    R category;
    if (!model.Record(categories->CurrentRow(), category))
        return QString();
    return Clip(category.*field);
}

// Opens the category form Form, window-modal, on the highlighted category
// (a new one for Insert; the list reloads when the category is gone). After
// OK the categories show the stored one highlighted and stored runs.
template <class Form, class R>
void OpenCategoryPaneForm(QWidget* window, BrowseList* categories, BrowseModel& model, Table<R>& table,
                          FormRequest request, std::function<void()> stored = {})
{
    R category;
    if (request != FormRequest::Insert &&
        (!model.Record(categories->CurrentRow(), category) || !table.Get(category.RecordPointer, category))) {
        categories->Refresh();
        return;
    }
    auto* form = new Form(request, category, window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    QObject::connect(form, &QDialog::accepted, window, [categories, &model, form, stored] {
        ShowStoredRecord(categories, model, form->Record());
        if (stored)
            stored();
    });
    form->open();
}

} // namespace vl
