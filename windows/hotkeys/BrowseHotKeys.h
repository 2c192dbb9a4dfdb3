#pragma once
// The hot-key list ("Hot Keys"): key, action and description, on the tab
// "Hot Key" in key order and on the tab "Description" in description order,
// with the list enhancement saved under "BrowseHotKeys". "&New", "&Edit" and
// "&Delete" open the hot-key form; whenever a form closes, however it
// closed, the frame is told to register the table's keys again (event
// 1097), so the keys held follow the table. One list at a time: the frame's
// menu brings an open one forward.

#include "core/dictionary/SysHotKeysRecord.h"
#include "windows/lists/ListWindow.h"

#include <functional>

class QTabBar;

namespace vl {

inline constexpr char kBrowseHotKeysProcedure[] = "BrowseHotKeys";

class BrowseHotKeys : public ListWindow<> {
    Q_OBJECT
public:
    enum Tab { kKeyTab = 0, kDescriptionTab = 1 };

    explicit BrowseHotKeys(QWidget* parent = nullptr);

    QTabBar* Tabs() const { return tabs_; }

private:
    void OpenForm(FormRequest request);

    int descriptionOrder_ = 0;
    QTabBar* tabs_ = nullptr;
};

// Opens the hot-key form on the record, window-modal to the parent; when it
// closes, tells the frame to register the keys again and calls done with
// whether the request was stored and the record as the form left it.
void OpenHotKeyForm(FormRequest request, const SysHotKeysRecord& hotKey, QWidget* parent,
                    std::function<void(bool stored, const SysHotKeysRecord& hotKey)> done = {});

} // namespace vl
