#include "windows/hotkeys/BrowseHotKeys.h"

#include "platform/browse/KeyOrders.h"
#include "core/dictionary/Dictionary.h"
#include "windows/hotkeys/UpdateHotKeys.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/ThreadRegistry.h"
#include "platform/widgets/WindowPosition.h"
#include "xplore/windows/Xplore.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace vl {

namespace {

const struct {
    const char* field;
    const char* header;
    const char* picture;
    int width;
} kColumns[] = {{"HOT:HotKey", "Key", "@s20", 90}, {"HOT:Action", "Action", "@s4", 45},
                {"HOT:Description", "Description", "@s40", 200}};

class HotKeysXplore : public Xplore {
public:
    using Xplore::Xplore;

protected:
    std::vector<ColumnDefinition> DefineColumns() override
    {
        std::vector<ColumnDefinition> columns;
        for (const auto& c : kColumns) {
            ColumnDefinition column;
            column.field = QLatin1String(c.field);
            column.header = QLatin1String(c.header);
            column.description = QLatin1String(c.header);
            column.picture = QLatin1String(c.picture);
            column.width = c.width;
            column.sortable = true;
            columns.push_back(column);
        }
        return columns;
    }
};

} // namespace

void OpenHotKeyForm(FormRequest request, const SysHotKeysRecord& hotKey, QWidget* parent,
                    std::function<void(bool stored, const SysHotKeysRecord& hotKey)> done)
{
    auto* form = new UpdateHotKeys(request, hotKey, parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    QObject::connect(form, &QDialog::finished, form, [form, done = std::move(done)](int result) {
        CurrentThreadPost().Post(ThreadRegistry::kFrameThread, EventNumber::kRegisterHotKeys);
        if (done)
            done(result == QDialog::Accepted, form->Record());
    });
    form->open();
}

BrowseHotKeys::BrowseHotKeys(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Hot Keys"));
    setObjectName(QLatin1String(kBrowseHotKeysProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Table<SysHotKeysRecord>& hotKeys = Tables().SysHotKeys;
    opened_ = OpenTable(hotKeys);

    model_ = std::make_unique<BrowseModel>(hotKeys);
    std::vector<BrowseColumn> columns;
    for (const auto& c : kColumns)
        columns.push_back({QLatin1String(c.field), QLatin1String(c.header), QLatin1String(c.picture)});
    model_->SetColumns(columns);
    AddKeyOrder(*model_, QStringLiteral("Hot Key"), HOT_K_HOTKEY);
    descriptionOrder_ = AddKeyOrder(*model_, QStringLiteral("Description"), HOT_K_DESCRIPTION);
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());

    tabs_ = new QTabBar(this);
    tabs_->addTab(QStringLiteral("Hot Key"));
    tabs_->addTab(QStringLiteral("Description"));

    auto* row = new QHBoxLayout;
    BrowseButtons buttons;
    buttons.insert = new QPushButton(QStringLiteral("&New"), this);
    buttons.change = new QPushButton(QStringLiteral("&Edit"), this);
    buttons.remove = new QPushButton(QStringLiteral("&Delete"), this);
    for (QPushButton* button : {buttons.insert, buttons.change, buttons.remove}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    buttons.change->setDefault(true);
    viewCopy_ = new ViewCopyBrowse(list_, buttons, [this](FormRequest request, bool) { OpenForm(request); });
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addStretch();
    row->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(list_);
    layout->addLayout(row);

    xplore_ = new HotKeysXplore(this);
    xplore_->SetupForBrowse(list_, model_.get(), this,
                            {QLatin1String(kBrowseHotKeysProcedure), QStringLiteral("?Browse:1"),
                             SortMarkStyle::Header});
    viewCopy_->AddPopupItems(*xplore_->Popup());
    xplore_->Activate();
    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        xplore_->UseKeyOrder(tab == kDescriptionTab ? descriptionOrder_ : 0);
        list_->setFocus();
    });
    resize(460, 340);
    KeepWindowPosition(*this, QLatin1String(kBrowseHotKeysProcedure));
}

BrowseHotKeys::~BrowseHotKeys()
{
    // The enhancement and the list go before the model they show.
    delete xplore_;
    delete list_;
    if (opened_)
        Tables().SysHotKeys.Close();
}

void BrowseHotKeys::OpenForm(FormRequest request)
{
    Table<SysHotKeysRecord>& hotKeys = Tables().SysHotKeys;
    SysHotKeysRecord hotKey;
    if (request == FormRequest::Insert) {
        hotKeys.Prime(hotKey);
    } else if (!model_->Record(list_->CurrentRow(), hotKey) || !hotKeys.Get(hotKey.RecordPointer, hotKey)) {
        // Gone meanwhile (another program deleted it): show the list as it is.
        list_->Refresh();
        return;
    }
    OpenHotKeyForm(request, hotKey, this,
                   [this](bool stored, const SysHotKeysRecord& record) { FormClosed(stored, record); });
}

void BrowseHotKeys::FormClosed(bool stored, const SysHotKeysRecord& hotKey)
{
    list_->Refresh();
    if (!stored)
        return;
    const int row = model_->RowOf(ViewRow::From(model_->Definition(), hotKey));
    if (row >= 0)
        list_->SelectRow(row);
}

} // namespace vl
