#include "windows/pim/BrowseClipboardCategories.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"
#include "windows/pim/UpdateClipboard.h"
#include "windows/pim/UpdateClipboardCategories.h"

#include <QHBoxLayout>
#include <QSplitter>

namespace vl {

namespace {

// The entries pane: the date saved and the text shown; the hash key, the
// category and the abbreviation carried.
const std::vector<ListColumn> kEntryColumns = {
    {"CLI:ClipDate", "Date Saved", "@d3", "Date", 52, kUserDateColumn},
    {"CLI:ClipContents", "Contents", "@s255", "Contents", 1020},
    {"CLI:ClipHashKey", "Clip Hash Key", "@s120", "Hash key (no spaces or graphic characters)", 120, kHiddenColumn},
    {"CLI:Category", "Category", "@s20", "Category", 80, kHiddenColumn},
    {"CLI:Abbreviation", "Abbreviation", "@s20", "Abbreviation", 80, kHiddenColumn},
};

} // namespace

BrowseClipboardCategories::BrowseClipboardCategories(QWidget* parent)
    : CategoryWindow(parent, kBrowseClipboardCategoriesProcedure, QStringLiteral("Clipboard Categories"),
                     Tables().ClipboardCategories, "CLC:CATEGORY", CLC_KEYCATEGORY, Tables().Clipboard)
{
    std::vector<BrowseColumn> columns = BrowseColumnsOf(kEntryColumns);
    ShowOnOneLine(columns[1], Tables().Clipboard.Definition(), 255);
    EntryModel()->SetColumns(columns);
    EntryModel()->SetUserDatePicture(UserDatePicture());
    AddKeyOrder(*EntryModel(), QStringLiteral("By Abbreviation"), CLI_KEYCATEGORY);

    auto* categoryRow = new QHBoxLayout;
    // A rename took the entries along.
    categories_.AddButtons(*categoryRow, {"&New", nullptr, nullptr, "&Edit", "&Delete"},
                           RecordForms<UpdateClipboardCategories>(categories_, Tables().ClipboardCategories,
                                                                  [this] { EntryList()->Refresh(); }));
    categoryRow->addStretch();
    auto* entryRow = new QHBoxLayout;
    items_.UseButtons(MakeListButtons(this, {"New", nullptr, nullptr, "Edit", "Delete"}, *entryRow),
                      [this](FormRequest request, bool) { OpenClipboardEntryForm(items_, request, Category()); });
    entryRow->addStretch();
    QSplitter* panes = StackPanes(categoryRow, kClipboardEntriesCaption, entryRow);

    items_.Enhance(std::make_unique<ColumnTableXplore>(kEntryColumns, this),
                   {QLatin1String(kBrowseClipboardCategoriesProcedure), QStringLiteral("?List"),
                    SortMarkStyle::Underline});
    // No category highlighted: no entry either (no text is below the empty one).
    FollowHighlightedCategory("CLI:Category",
                              {{QStringLiteral("CLI:ClipHashKey"), Compare::Less, FieldValue(QString())}});
    categories_.WatchTable();
    items_.WatchTable();
    KeepListWindowPlace(*this, kBrowseClipboardCategoriesProcedure, {720, 520});
    panes->setSizes({180, 340});
}

} // namespace vl
