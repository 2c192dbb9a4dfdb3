#pragma once
// The clipboard entry form ("Clipboard Record"; captions "New clipboard
// entry", "Edit clipboard entry", "View clipboard entry", "Delete Clipboard
// Record"): the keep mark, the text, the category (typed, or picked with
// "..."), the date and time. A typed category that is neither "General",
// blank nor one of the clipboard categories opens the category pick list;
// cancelled, the form keeps what was typed and stays on it. In view mode
// the text can be read and selected, nothing else, and "Cl&ose" closes.
// Ctrl+' puts back, into the field that has the focus, its value from the
// last entry this form saved.
//
// OK stores the request (ClipboardEntries.h StoreClipboardEntry): a text
// whose letters another entry has is stored all the same.

#include "core/dictionary/ClipboardRecord.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vl {

class ListPane;
class PictureSpinBox;

inline constexpr char kUpdateClipboardProcedure[] = "UpdateClipboard";

class UpdateClipboard : public QDialog {
    Q_OBJECT
public:
    UpdateClipboard(FormRequest request, const ClipboardRecord& entry, QWidget* parent = nullptr);
    ~UpdateClipboard() override;

    // The entry as stored (after OK) or as the form opened with.
    const ClipboardRecord& Record() const { return entry_; }

    QCheckBox* KeepBox() const { return keep_; }
    QPlainTextEdit* ContentsBox() const { return contents_; }
    QLineEdit* CategoryEntry() const { return category_; }
    QToolButton* LookupButton() const { return lookup_; }
    PictureSpinBox* DateSpin() const { return date_; }
    PictureSpinBox* TimeSpin() const { return time_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ClipboardRecord Taken() const;
    // The category typed: looked up, the pick list opened when unknown.
    // False when the pick list was opened (its answer comes later).
    bool CheckCategory();
    void PickCategory(bool focusBackWhenCancelled);
    void PutBackLastSaved();

    FormRequest request_;
    ClipboardRecord entry_;
    bool clipboardOpened_ = false;
    bool categoriesOpened_ = false;
    QCheckBox* keep_ = nullptr;
    QPlainTextEdit* contents_ = nullptr;
    QLineEdit* category_ = nullptr;
    QToolButton* lookup_ = nullptr;
    PictureSpinBox* date_ = nullptr;
    PictureSpinBox* time_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Opens the form from a list of entries (RecordForms.h): a new entry holds
// the clipboard's text, in category when one is given; a kept entry asks
// before it is deleted. After OK the list shows the stored entry
// highlighted and stored runs. Null when no form opened.
UpdateClipboard* OpenClipboardEntryForm(ListPane& pane, FormRequest request,
                                        const std::optional<QString>& category = std::nullopt,
                                        std::function<void()> stored = {});

} // namespace vl
