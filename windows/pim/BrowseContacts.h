#pragma once
// The contacts list ("Contacts"): one row per contact, the tabs above choose
// the order (last name, first name, the phones, e-mail, or the contacts of
// one category, picked with "Select Cate&gory"); typing in the list locates
// in that order. A column sort by a header click stays in force over tab
// changes until it is ended from the header's menu. "&Copy to Clipboard"
// puts the highlighted contact on the clipboard as text (ContactText.h);
// "&New", "Cop&y", "&Edit" and "&Delete" open the contact form; the popup's
// "Email..." opens the message form addressed to the highlighted contact. The list
// enhancement keeps its layout and the window its place under
// "BrowseContacts"; one list at a time (the frame's menu brings an open one
// forward), re-read whenever it becomes the active window.
//
// In select mode (the message form's contact button) the list is modal to
// the window that asks and never counts as the open one: "&Select" (also
// Enter and a double click) answers the highlighted contact with Selected()
// and closes; "Cl&ose" closes with no answer. "Email..." is not offered there.

#include "core/dictionary/ContactRecord.h"
#include "windows/lists/ListWindow.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabBar;

namespace vl {

inline constexpr char kBrowseContactsProcedure[] = "BrowseContacts";

class BrowseContacts : public ListWindow<> {
    Q_OBJECT
public:
    explicit BrowseContacts(QWidget* parent = nullptr, bool selectMode = false);

    QTabBar* Tabs() const { return tabs_; }
    QPushButton* CopyToClipboardButton() const { return copyText_; }
    QPushButton* SelectCategoryButton() const { return selectCategory_; }
    QAction* EmailItem() const { return email_; }
    // The category the "Category" tab shows.
    const QString& Category() const { return category_; }
    void SetCategory(const QString& category);

signals:
    // Select mode: the contact "&Select" chose, as stored then.
    void Selected(const vl::ContactRecord& contact);

protected:
    bool event(QEvent* event) override;

private:
    void AddPopupItems(QMenu& popup, bool selectMode);
    void ShowTab(int tab);
    void OpenForm(FormRequest request, bool copy);
    void CopyToClipboard();
    // "Email...": a new message to the highlighted contact, in the message form.
    void WriteEmail();
    void SelectCategory();
    void Select();

    HeldTable categories_; // for the category choice
    std::vector<int> tabOrders_;
    QString category_;
    QTabBar* tabs_ = nullptr;
    QLabel* categoryText_ = nullptr;
    QPushButton* copyText_ = nullptr;
    QPushButton* selectCategory_ = nullptr;
    QAction* email_ = nullptr;
};

} // namespace vl
