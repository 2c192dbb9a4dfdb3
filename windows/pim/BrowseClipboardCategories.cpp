#include "windows/pim/BrowseClipboardCategories.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardEntries.h"
#include "windows/pim/CategoryPanes.h"
#include "platform/widgets/TableChangeWatch.h"
#include "windows/pim/UpdateClipboard.h"
#include "windows/pim/UpdateClipboardCategories.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/WindowPosition.h"
#include "xplore/windows/Xplore.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
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

BrowseClipboardCategories::BrowseClipboardCategories(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Clipboard Categories"));
    setObjectName(QLatin1String(kBrowseClipboardCategoriesProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Dictionary& tables = Tables();
    categoriesOpened_ = OpenTable(tables.ClipboardCategories);
    clipboardOpened_ = OpenTable(tables.Clipboard);

    categoryModel_ = std::make_unique<BrowseModel>(tables.ClipboardCategories);
    categoryModel_->SetColumns({{QStringLiteral("CLC:CATEGORY"), QStringLiteral("Categories"), QStringLiteral("@s20")}});
    AddKeyOrder(*categoryModel_, QStringLiteral("By Category"), CLC_KEYCATEGORY);
    categories_ = CategoryPaneList(this, categoryModel_.get());
    categories_->setStatusTip(QStringLiteral("Browsing Functions"));

    entryModel_ = std::make_unique<BrowseModel>(tables.Clipboard);
    entryModel_->SetColumns(EntryBrowseColumns(tables.Clipboard.Definition()));
    entryModel_->SetUserDatePicture(UserDatePicture());
    AddKeyOrder(*entryModel_, QStringLiteral("By Abbreviation"), CLI_KEYCATEGORY);
    entries_ = new BrowseList(this);
    entries_->SetBrowseModel(entryModel_.get());
    entries_->setStatusTip(QStringLiteral("Browsing Tasks"));

    auto* categoryRow = new QHBoxLayout;
    categoryButtons_.insert = PaneButton("&New", this, *categoryRow);
    categoryButtons_.change = PaneButton("&Edit", this, *categoryRow);
    categoryButtons_.remove = PaneButton("&Delete", this, *categoryRow);
    categoryButtons_.change->setDefault(true);
    categoryRow->addStretch();
    new ViewCopyBrowse(categories_, categoryButtons_, [this](FormRequest request, bool) { OpenCategoryForm(request); });

    auto* entryRow = new QHBoxLayout;
    entryButtons_.insert = PaneButton("New", this, *entryRow);
    entryButtons_.change = PaneButton("Edit", this, *entryRow);
    entryButtons_.remove = PaneButton("Delete", this, *entryRow);
    entryRow->addStretch();
    auto* entryViewCopy =
        new ViewCopyBrowse(entries_, entryButtons_, [this](FormRequest request, bool) { OpenEntryForm(request); });

    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(categories_);
    topLayout->addLayout(categoryRow);
    auto* group = new QGroupBox(QLatin1String(kClipboardEntriesCaption));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(entries_);
    groupLayout->addLayout(entryRow);
    auto* panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(top);
    panes->addWidget(group);
    panes->setStretchFactor(1, 2);
    panes->setChildrenCollapsible(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    auto* close = PaneButton("Cl&ose", this, *closeRow);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);
    layout->addLayout(closeRow);

    entryXplore_ = new EntryXplore(this);
    entryXplore_->SetupForBrowse(entries_, entryModel_.get(), this,
                                 {QLatin1String(kBrowseClipboardCategoriesProcedure), QStringLiteral("?List"),
                                  SortMarkStyle::Underline});
    entryViewCopy->AddPopupItems(*entryXplore_->Popup());
    entryXplore_->Activate();

    FollowHighlightedCategory(this, categories_, categoryModel_.get(), [this] { ShowEntriesOfCategory(); });
    new TableChangeWatch(tables.ClipboardCategories, *categories_, *this);
    new TableChangeWatch(tables.Clipboard, *entries_, *this);
    resize(720, 520);
    panes->setSizes({180, 340});
    KeepWindowPosition(*this, QLatin1String(kBrowseClipboardCategoriesProcedure));
}

BrowseClipboardCategories::~BrowseClipboardCategories()
{
    // The enhancement and the lists go before the models they show.
    delete entryXplore_;
    delete entries_;
    delete categories_;
    Dictionary& tables = Tables();
    if (clipboardOpened_)
        tables.Clipboard.Close();
    if (categoriesOpened_)
        tables.ClipboardCategories.Close();
}

QString BrowseClipboardCategories::Category() const
{
    return HighlightedCategory(categories_, *categoryModel_, &ClipboardCategoriesRecord::CATEGORY);
}

void BrowseClipboardCategories::ShowEntriesOfCategory()
{
    ClipboardCategoriesRecord category;
    if (categoryModel_->Record(categories_->CurrentRow(), category)) {
        entryModel_->SetFilter(kCategoryFilter, {{QStringLiteral("CLI:Category"), Compare::Equal,
                                                  FieldValue(Clip(category.CATEGORY)), Join::And, true}});
        return;
    }
    // No category highlighted: no entry either (no text is below the empty one).
    entryModel_->SetFilter(kCategoryFilter, {{QStringLiteral("CLI:ClipHashKey"), Compare::Less, FieldValue(QString())}});
}

void BrowseClipboardCategories::OpenCategoryForm(FormRequest request)
{
    // A rename took the entries along.
    OpenCategoryPaneForm<UpdateClipboardCategories>(this, categories_, *categoryModel_, Tables().ClipboardCategories,
                                                    request, [this] { entries_->Refresh(); });
}

void BrowseClipboardCategories::OpenEntryForm(FormRequest request)
{
    Table<ClipboardRecord>& clipboard = Tables().Clipboard;
    ClipboardRecord entry;
    if (request == FormRequest::Insert) {
        entry = NewClipboardEntry(clipboard, QGuiApplication::clipboard()->text(), Today(), Now());
        entry.Category = Category();
    } else if (!entryModel_->Record(entries_->CurrentRow(), entry) || !clipboard.Get(entry.RecordPointer, entry)) {
        // Gone meanwhile (trimmed by the saver, deleted elsewhere).
        entries_->Refresh();
        return;
    }
    if (request == FormRequest::Delete && !ConfirmClipboardDelete(entry)) {
        entries_->setFocus();
        return;
    }
    auto* form = new UpdateClipboard(request, entry, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] { ShowStoredRecord(entries_, *entryModel_, form->Record()); });
    form->open();
}

} // namespace vl
