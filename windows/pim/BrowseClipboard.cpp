#include "windows/pim/BrowseClipboard.h"

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "core/launch/LaunchProgram.h"
#include "core/startup/QueryWizardTexts.h"
#include "pim/ClipboardEntries.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"
#include "windows/pim/UpdateClipboard.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/QueryDialog.h"
#include "resources/ProgramIcons.h"

#include <QClipboard>
#include <QColor>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>

namespace vl {

namespace {

const QString kSavedOnlyFilter = QStringLiteral("Saved Only");
constexpr int kKeepColumn = 0;
constexpr char kRunTip[] = "Try to execute embedded programs/URLs";
constexpr char kEmptyToggleTip[] = "Not available: the list is empty, there is no entry to keep.";
constexpr char kEmptyRunTip[] = "Not available: the list is empty, there is no entry to run.";

// The keep mark, the text on one line, its category and date; the hash key,
// abbreviation and clip time carried for the query and the layouts.
const std::vector<ListColumn> kColumns = {
    {"CLI:ClipKeep", " ", "@s1", "Keep", 10, kMarkColumn},
    {"CLI:ClipContents", "Contents", "@s255", "Contents", 200},
    {"CLI:Category", "Category", "@s20", "Category", 80},
    {"CLI:ClipDate", "Date", "@d17b", "Date", 50, kUserDateColumn | kRightColumn},
    {"CLI:ClipHashKey", "Clip Hash Key", "@s120", "Hash key (no spaces or graphic characters)", 120, kHiddenColumn},
    {"CLI:Abbreviation", "Abbreviation", "@s20", "Abbreviation", 80, kHiddenColumn},
    {"CLI:ClipTime", "Clip Time", "@t3", "Time", 40, kHiddenColumn | kRightColumn},
};

std::vector<BrowseColumn> ClipboardColumns(const TableDef& clipboard)
{
    std::vector<BrowseColumn> columns = BrowseColumnsOf(kColumns);
    ShowAsMark(columns[kKeepColumn], clipboard, LoadIcon(QStringLiteral("~done.ico")),
               LoadIcon(QStringLiteral("~blank.ico")));
    // The rows that hold something to start in blue.
    const auto contentsField = static_cast<size_t>(clipboard.FieldIndex(QStringLiteral("CLI:ClipContents")));
    ShowOnOneLine(columns[1], clipboard, 255, [contentsField](const ViewRow& row, int role) -> QVariant {
        if (role != Qt::ForegroundRole && role != BrowseModel::kSelectedForegroundRole)
            return {};
        if (!ClipboardTextRunnable(std::get<QString>(row.values[contentsField])))
            return {};
        return role == Qt::ForegroundRole ? QColor(Qt::blue) : QColor(Qt::cyan);
    });
    return columns;
}

void StartTarget(const QString& target)
{
    LaunchProgram({.command = target});
}

} // namespace

BrowseClipboard::BrowseClipboard(QWidget* parent)
    : ListWindow(parent, Tables().Clipboard, kBrowseClipboardProcedure, QStringLiteral("Clipboard Manager")),
      starter_(StartTarget), savedQueries_(QLatin1String(kSavedQueriesFile), QLatin1String(kClipboardQueryName))
{
    setWindowIcon(LoadIcon(QStringLiteral("clipboard.ico")));
    Table<ClipboardRecord>& clipboard = Tables().Clipboard;
    query_.Open(clipboard);
    Model()->SetColumns(ClipboardColumns(clipboard.Definition()));
    Model()->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    for (const auto& [name, key] : {std::pair{"By Date", CLI_KEYCLIPDATE}, std::pair{"By Content", CLI_KEYCLIPHASH},
                                    std::pair{"By Category", CLI_KEYCATEGORY}, std::pair{"Saved Only", CLI_KEYCLIPKEEP}})
        AddKeyOrder(*Model(), QLatin1String(name), key);
    connect(List(), &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == kKeepColumn)
            ToggleKeep();
    });

    auto* row = new QHBoxLayout;
    const auto make = [this, row](const char* text, const char* tip) {
        QPushButton* button = AddListButton(this, text, *row);
        if (tip)
            button->setToolTip(QLatin1String(tip));
        buttons_ << button;
        return button;
    };
    BrowseButtons buttons;
    QPushButton* copy = make("&Copy to Clipboard", "Copy the highlighted record to the clipboard");
    buttons.view = make("&View", "View the highlighted record");
    buttons.insert = make("&New", nullptr);
    buttons.change = make("&Edit", nullptr);
    buttons.remove = make("&Delete", "Delete the highlighted record");
    toggle_ = make("&Toggle Save", nullptr);
    run_ = make("&Run", kRunTip);
    row->addStretch();
    buttons_ << AddCloseButton(*this, *row);
    buttons.change->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &BrowseClipboard::CopyToClipboard);
    connect(toggle_, &QPushButton::clicked, this, &BrowseClipboard::ToggleKeep);
    connect(run_, &QPushButton::clicked, this, &BrowseClipboard::Run);
    pane_.UseButtons(buttons, [this](FormRequest request, bool) { OpenForm(request); });

    captureOff_ = new QLabel(QLatin1String(kCaptureOffText), this);
    captureOff_->setWordWrap(true);
    captureOff_->setFrameShape(QFrame::StyledPanel);
    captureOff_->setContentsMargins(4, 2, 4, 2);
    LayOut(row, {MakeTabs(), captureOff_});

    pane_.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this),
                  {QLatin1String(kBrowseClipboardProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Header},
                  [this, copy](QMenu& popup) {
                      queryControls_ << popup.addAction(QStringLiteral("&Query"), this, &BrowseClipboard::OpenQuery);
                      resetControls_ << popup.addAction(QStringLiteral("&Reset"), this, &BrowseClipboard::ResetQuery);
                      popup.addSeparator();
                      popup.addAction(copy->text(), this, &BrowseClipboard::CopyToClipboard);
                  });
    UpdateQueryControls();

    connect(Model(), &QAbstractItemModel::modelReset, this, &BrowseClipboard::UpdateEntryControls);
    connect(Model(), &QAbstractItemModel::rowsInserted, this, &BrowseClipboard::UpdateEntryControls);
    connect(Model(), &QAbstractItemModel::rowsRemoved, this, &BrowseClipboard::UpdateEntryControls);
    UpdateEntryControls();

    // Texts the saver captures while the list is open appear as they come.
    pane_.WatchTable();
    KeepListWindowPlace(*this, kBrowseClipboardProcedure, {760, 420});
}

QWidget* BrowseClipboard::MakeTabs()
{
    auto* top = new QWidget(this);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabBar(top);
    for (const char* tab : {"By Date", "By Content", "By Category", "Saved Only"})
        tabs_->addTab(QLatin1String(tab));
    row->addWidget(tabs_);
    row->addStretch();
    for (const auto& [text, controls, command] :
         {std::tuple{"&Query", &queryControls_, &BrowseClipboard::OpenQuery},
          std::tuple{"&Reset", &resetControls_, &BrowseClipboard::ResetQuery}}) {
        auto* button = new QPushButton(QLatin1String(text), top);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
        *controls << button;
        buttons_ << button;
        row->addWidget(button);
    }
    connect(tabs_, &QTabBar::currentChanged, this, &BrowseClipboard::ShowTab);
    return top;
}

QPushButton* BrowseClipboard::Button(const QString& text) const
{
    for (QPushButton* button : buttons_) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void BrowseClipboard::ShowTab(int tab)
{
    Enhancement()->UseKeyOrder(tab);
    if (tab == kSavedOnlyTab)
        Model()->SetFilter(kSavedOnlyFilter, {{QStringLiteral("CLI:ClipKeep"), Compare::Equal, int64_t{1}}});
    else
        Model()->RemoveFilter(kSavedOnlyFilter);
    pane_.ViewCopy()->UpdateButtons();
    List()->setFocus();
}

void BrowseClipboard::changeEvent(QEvent* event)
{
    // Brought forward: the texts captured meanwhile appear.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        List()->Refresh();
        UpdateEntryControls(); // Options may have switched the capture meanwhile
    }
    QWidget::changeEvent(event);
}

bool BrowseClipboard::Highlighted(ClipboardRecord& entry)
{
    return Model()->Record(List()->CurrentRow(), entry) && Tables().Clipboard.Get(entry.RecordPointer, entry);
}

void BrowseClipboard::CopyToClipboard()
{
    ClipboardRecord entry;
    if (Highlighted(entry))
        QGuiApplication::clipboard()->setText(Clip(entry.ClipContents));
}

void BrowseClipboard::ToggleKeep()
{
    ClipboardRecord entry;
    if (!Model()->Record(List()->CurrentRow(), entry))
        return;
    ToggleClipboardKeep(Tables().Clipboard, entry);
    ShowEntry(entry);
    List()->setFocus();
}

void BrowseClipboard::Run()
{
    ClipboardRecord entry;
    if (Highlighted(entry)) {
        for (const QString& target : ClipboardRunTargets(entry.ClipContents))
            starter_(target);
    }
    List()->setFocus();
}

void BrowseClipboard::OpenForm(FormRequest request)
{
    UpdateClipboard* form =
        OpenClipboardEntryForm(pane_, request, std::nullopt, [this] { pane_.ViewCopy()->UpdateButtons(); });
    // Cancelled too, the texts captured meanwhile appear.
    if (form)
        connect(form, &QDialog::rejected, this, [this, form] { ShowEntry(form->Record()); });
}

void BrowseClipboard::OpenQuery()
{
    if (!query_.Available())
        return;
    auto* dialog = new QueryDialog(query_.Catalogue(), QueryTexts(QueryWizardDisplayTexts()), &savedQueries_,
                                   query_.Current(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { ApplyQuery(dialog->Result()); });
    dialog->open();
}

bool BrowseClipboard::ApplyQuery(const Query& query)
{
    const Query before = query_.Current();
    Filter filter;
    QString error;
    if (!query_.Apply(query, filter, error)) {
        Prompt::Message(error, QLatin1String(kQueryErrorCaption), PromptIcon::Exclamation);
        return false;
    }
    if (!Model()->SetFilter(QLatin1String(kQueryFilterName), filter)) {
        const QString failure = Model()->Error();
        // The query it had holds again.
        Filter kept;
        if (before.empty() || !query_.Apply(before, kept, error) ||
            !Model()->SetFilter(QLatin1String(kQueryFilterName), kept))
            ResetQuery();
        Prompt::Message(failure, QLatin1String(kQueryErrorCaption), PromptIcon::Exclamation);
        return false;
    }
    List()->SelectRow(0);
    UpdateQueryControls();
    pane_.ViewCopy()->UpdateButtons();
    return true;
}

void BrowseClipboard::ResetQuery()
{
    query_.Reset();
    Model()->RemoveFilter(QLatin1String(kQueryFilterName));
    UpdateQueryControls();
    pane_.ViewCopy()->UpdateButtons();
}

void BrowseClipboard::UpdateQueryControls()
{
    const auto enable = [](const QList<QObject*>& controls, bool enabled) {
        for (QObject* control : controls) {
            if (auto* action = qobject_cast<QAction*>(control))
                action->setEnabled(enabled);
            else
                static_cast<QWidget*>(control)->setEnabled(enabled);
        }
    };
    enable(queryControls_, query_.Available());
    enable(resetControls_, query_.Available() && !query_.Current().empty());
}

void BrowseClipboard::UpdateEntryControls()
{
    captureOff_->setVisible(MonitorClipboard == 0);
    const bool empty = Model()->rowCount() == 0;
    toggle_->setEnabled(!empty);
    toggle_->setToolTip(empty ? QLatin1String(kEmptyToggleTip) : QString());
    run_->setEnabled(!empty);
    run_->setToolTip(QLatin1String(empty ? kEmptyRunTip : kRunTip));
}

void BrowseClipboard::ShowEntry(const ClipboardRecord& entry)
{
    ShowStoredRecord(pane_, entry);
    pane_.ViewCopy()->UpdateButtons();
}

} // namespace vl
