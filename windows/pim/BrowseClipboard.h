#pragma once
// The clipboard saver's list ("Clipboard Manager"): the saved texts with
// their keep mark, category and date, newest first ("By Date"), or by
// content, by category, or only the kept ones ("Saved Only"). "&Copy to
// Clipboard" puts the highlighted text back on the clipboard, "&Toggle
// Save" (or a click on the keep mark) flips its keep mark, "&Run" starts the
// addresses, programs and shortcuts it holds; "&View", "&New", "&Edit" and
// "&Delete" open the entry form (a kept entry asks before it is deleted).
// "&Query" opens the query dialog on the entry's fields; the query holds on
// every tab until "&Reset" drops it.
// Texts captured while the list is open appear as they are stored. While
// capture is off (Options) a line above the list says so; "&Toggle Save" and
// "&Run" are disabled, saying why, while the list is empty.

#include "core/dictionary/ClipboardRecord.h"
#include "pim/ClipboardQuery.h"
#include "platform/query/SavedQueries.h"
#include "windows/lists/ListWindow.h"

#include <functional>

class QLabel;
class QPushButton;
class QTabBar;

namespace vl {

inline constexpr char kBrowseClipboardProcedure[] = "BrowseClipboard";
inline constexpr char kCaptureOffText[] =
    "Capture is off: copied texts are not saved here until \"Monitor clipboard\" is ticked on the Clipboard tab "
    "of Options (F10).";

class BrowseClipboard : public ListWindow<> {
    Q_OBJECT
public:
    enum Tab { kByDateTab, kByContentTab, kByCategoryTab, kSavedOnlyTab };
    // Starts what "&Run" found (a program, document or address).
    using Starter = std::function<void(const QString& target)>;

    explicit BrowseClipboard(QWidget* parent = nullptr);

    QTabBar* Tabs() const { return tabs_; }
    QPushButton* Button(const QString& text) const;
    // The line that says capture is off.
    QLabel* CaptureOffNotice() const { return captureOff_; }
    // How "&Run" starts a target (the program start by default).
    void SetStarter(Starter starter) { starter_ = std::move(starter); }

    // The commands of the buttons on the highlighted entry.
    void CopyToClipboard();
    void ToggleKeep();
    void Run();
    // Applies a query as the query dialog's OK does; false (the user told)
    // when it cannot be applied, with the query in force unchanged.
    bool ApplyQuery(const Query& query);
    void ResetQuery();
    const ClipboardQuery& CurrentQuery() const { return query_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* MakeTabs();
    void ShowTab(int tab);
    void OpenForm(FormRequest request);
    void ShowEntry(const ClipboardRecord& entry);
    bool Highlighted(ClipboardRecord& entry);
    void OpenQuery();
    void UpdateQueryControls();
    // The capture notice, and the buttons that need an entry.
    void UpdateEntryControls();

    QTabBar* tabs_ = nullptr;
    QList<QPushButton*> buttons_;
    QLabel* captureOff_ = nullptr;
    QPushButton* toggle_ = nullptr;
    QPushButton* run_ = nullptr;
    Starter starter_;
    ClipboardQuery query_;
    SavedQueries savedQueries_;
    // "&Query" and "&Reset": the buttons and their popup items.
    QList<QObject*> queryControls_;
    QList<QObject*> resetControls_;
};

} // namespace vl
