#include "windows/hotkeys/BrowseHotKeys.h"

#include "core/dictionary/Dictionary.h"
#include "windows/hotkeys/UpdateHotKeys.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"

#include <QTabBar>

namespace vl {

namespace {

const std::vector<ListColumn> kColumns = {
    {"HOT:HotKey", "Key", "@s20", "Key", 90},
    {"HOT:Action", "Action", "@s4", "Action", 45},
    {"HOT:Description", "Description", "@s40", "Description", 200},
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

BrowseHotKeys::BrowseHotKeys(QWidget* parent)
    : ListWindow(parent, Tables().SysHotKeys, kBrowseHotKeysProcedure, QStringLiteral("Hot Keys"))
{
    pane_.Model().SetColumns(BrowseColumnsOf(kColumns));
    AddKeyOrder(pane_.Model(), QStringLiteral("Hot Key"), HOT_K_HOTKEY);
    descriptionOrder_ = AddKeyOrder(pane_.Model(), QStringLiteral("Description"), HOT_K_DESCRIPTION);

    tabs_ = new QTabBar(this);
    tabs_->addTab(QStringLiteral("Hot Key"));
    tabs_->addTab(QStringLiteral("Description"));

    LayOut(StandardRow({"&New", nullptr, nullptr, "&Edit", "&Delete"},
                       [this](FormRequest request, bool) { OpenForm(request); }),
           {tabs_});

    pane_.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this),
                  {QLatin1String(kBrowseHotKeysProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Header});
    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        Enhancement()->UseKeyOrder(tab == kDescriptionTab ? descriptionOrder_ : 0);
        List()->setFocus();
    });
    KeepListWindowPlace(*this, kBrowseHotKeysProcedure, pane_.WideEnoughForColumns({460, 340}));
}

void BrowseHotKeys::OpenForm(FormRequest request)
{
    SysHotKeysRecord hotKey;
    if (!RecordForForm(pane_, Tables().SysHotKeys, request, false, hotKey))
        return;
    OpenHotKeyForm(request, hotKey, this, [this](bool stored, const SysHotKeysRecord& record) {
        if (stored)
            ShowStoredRecord(pane_, record);
        else
            List()->Refresh();
    });
}

} // namespace vl
