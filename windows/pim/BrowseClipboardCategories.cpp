#include "windows/pim/BrowseClipboardCategories.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardEntries.h"
#include "windows/lists/CategoryPanes.h"
#include "windows/pim/UpdateClipboard.h"
#include "windows/pim/UpdateClipboardCategories.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

struct EntryColumn {
    const char* field;
    const char* header;
    const char* picture; // empty: the user's date picture
    const char* description;
    int width;
    bool displayed;
};

// The entries pane: the date saved and the text shown; the hash key, the
// category and the abbreviation carried.
const EntryColumn kEntryColumns[] = {
    {"CLI:ClipDate", "Date Saved", "", "Date", 52, true},
    {"CLI:ClipContents", "Contents", "@s255", "Contents", 1020, true},
    {"CLI:ClipHashKey", "Clip Hash Key", "@s120", "Hash key (no spaces or graphic characters)", 120, false},
    {"CLI:Category", "Category", "@s20", "Category", 80, false},
    {"CLI:Abbreviation", "Abbreviation", "@s20", "Abbreviation", 80, false},
};

QString PictureOf(const EntryColumn& column)
{
    return *column.picture ? QLatin1String(column.picture) : UserDatePicture();
}

class EntryXplore : public Xplore {
public:
    using Xplore::Xplore;

protected:
    std::vector<ColumnDefinition> DefineColumns() override
    {
        std::vector<ColumnDefinition> definitions;
        for (const EntryColumn& column : kEntryColumns) {
            ColumnDefinition definition;
            definition.field = QLatin1String(column.field);
            definition.header = QLatin1String(column.header);
            definition.picture = PictureOf(column);
            definition.description = QLatin1String(column.description);
            definition.width = column.width;
            definition.displayed = column.displayed;
            definition.sortable = true;
            definitions.push_back(definition);
        }
        return definitions;
    }
};

std::vector<BrowseColumn> EntryBrowseColumns(const TableDef& clipboard)
{
    std::vector<BrowseColumn> columns;
    for (const EntryColumn& column : kEntryColumns)
        columns.push_back({QLatin1String(column.field), QLatin1String(column.header), PictureOf(column)});
    columns[0].userDate = true;
    // The text on one line.
    const int contentsField = clipboard.FieldIndex(QStringLiteral("CLI:ClipContents"));
    columns[1].field.clear();
    columns[1].compute = [contentsField](const ViewRow& row) {
        return FieldValue(std::get<QString>(row.values[static_cast<size_t>(contentsField)])
                              .left(255)
                              .replace(QLatin1Char('\n'), QLatin1Char(' ')));
    };
    return columns;
}

} // namespace

BrowseClipboardCategories::BrowseClipboardCategories(QWidget* parent)
    : QWidget(parent, Qt::Window), categories_(*this, Tables().ClipboardCategories), entries_(*this, Tables().Clipboard)
{
    SetUpListWindow(*this, kBrowseClipboardCategoriesProcedure, QStringLiteral("Clipboard Categories"));
    SetUpCategoryPane(categories_, "CLC:CATEGORY", CLC_KEYCATEGORY);
    CategoryList()->setStatusTip(QStringLiteral("Browsing Functions"));
    EntryModel()->SetColumns(EntryBrowseColumns(Tables().Clipboard.Definition()));
    EntryModel()->SetUserDatePicture(UserDatePicture());
    AddKeyOrder(*EntryModel(), QStringLiteral("By Abbreviation"), CLI_KEYCATEGORY);
    EntryList()->setStatusTip(QStringLiteral("Browsing Tasks"));

    auto* categoryRow = new QHBoxLayout;
    categories_.AddButtons(*categoryRow, {"&New", nullptr, nullptr, "&Edit", "&Delete"},
                           [this](FormRequest request, bool) { OpenCategoryForm(request); });
    categoryRow->addStretch();
    auto* entryRow = new QHBoxLayout;
    entries_.UseButtons(MakeListButtons(this, {"New", nullptr, nullptr, "Edit", "Delete"}, *entryRow),
                        [this](FormRequest request, bool) { OpenEntryForm(request); });
    entryRow->addStretch();

    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(CategoryList());
    topLayout->addLayout(categoryRow);
    auto* group = new QGroupBox(QLatin1String(kClipboardEntriesCaption));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(EntryList());
    groupLayout->addLayout(entryRow);
    auto* panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(top);
    panes->addWidget(group);
    panes->setStretchFactor(1, 2);
    panes->setChildrenCollapsible(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    AddCloseButton(*this, *closeRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);
    layout->addLayout(closeRow);

    entries_.Enhance(std::make_unique<EntryXplore>(this), {QLatin1String(kBrowseClipboardCategoriesProcedure),
                                                           QStringLiteral("?List"), SortMarkStyle::Underline});

    FollowHighlightedCategory(this, CategoryList(), &categories_.Model(), [this] { ShowEntriesOfCategory(); });
    categories_.WatchTable();
    entries_.WatchTable();
    KeepListWindowPlace(*this, kBrowseClipboardCategoriesProcedure, {720, 520});
    panes->setSizes({180, 340});
}

QString BrowseClipboardCategories::Category() const
{
    return HighlightedCategory(CategoryList(), categories_.Model(), &ClipboardCategoriesRecord::CATEGORY);
}

void BrowseClipboardCategories::ShowEntriesOfCategory()
{
    ClipboardCategoriesRecord category;
    if (categories_.Model().Record(CategoryList()->CurrentRow(), category)) {
        EntryModel()->SetFilter(kCategoryFilter, {{QStringLiteral("CLI:Category"), Compare::Equal,
                                                   FieldValue(Clip(category.CATEGORY)), Join::And, true}});
        return;
    }
    // No category highlighted: no entry either (no text is below the empty one).
    EntryModel()->SetFilter(kCategoryFilter, {{QStringLiteral("CLI:ClipHashKey"), Compare::Less, FieldValue(QString())}});
}

void BrowseClipboardCategories::OpenCategoryForm(FormRequest request)
{
    // A rename took the entries along.
    OpenCategoryPaneForm<UpdateClipboardCategories>(this, CategoryList(), categories_.Model(),
                                                    Tables().ClipboardCategories, request,
                                                    [this] { EntryList()->Refresh(); });
}

void BrowseClipboardCategories::OpenEntryForm(FormRequest request)
{
    Table<ClipboardRecord>& clipboard = Tables().Clipboard;
    ClipboardRecord entry;
    if (request == FormRequest::Insert) {
        entry = NewClipboardEntry(clipboard, QGuiApplication::clipboard()->text(), Today(), Now());
        entry.Category = Category();
    } else if (!EntryModel()->Record(EntryList()->CurrentRow(), entry) || !clipboard.Get(entry.RecordPointer, entry)) {
        // Gone meanwhile (trimmed by the saver, deleted elsewhere).
        EntryList()->Refresh();
        return;
    }
    if (request == FormRequest::Delete && !ConfirmClipboardDelete(entry)) {
        EntryList()->setFocus();
        return;
    }
    auto* form = new UpdateClipboard(request, entry, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this,
            [this, form] { ShowStoredRecord(EntryList(), *EntryModel(), form->Record()); });
    form->open();
}

} // namespace vl
