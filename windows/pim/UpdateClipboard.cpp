#include "windows/pim/UpdateClipboard.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardEntries.h"
#include "pim/ClipboardSaver.h"
#include "platform/widgets/TextWidth.h"
#include "windows/lists/RecordForms.h"
#include "windows/pim/SelectClipboardCategory.h"
#include "windows/pim/FieldHistoryKey.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace vl {

namespace {

// The last entry a clipboard form saved, for the field-history key.
std::optional<ClipboardRecord>& LastSaved()
{
    static std::optional<ClipboardRecord> last;
    return last;
}

} // namespace

UpdateClipboard::UpdateClipboard(FormRequest request, const ClipboardRecord& entry, QWidget* parent)
    : QDialog(parent), request_(request), entry_(entry)
{
    setWindowTitle(request == FormRequest::Delete
                       ? QStringLiteral("Delete Clipboard Record")
                       : FormCaption(request, QStringLiteral("New clipboard entry"),
                                     QStringLiteral("Edit clipboard entry")));
    setObjectName(QLatin1String(kUpdateClipboardProcedure));
    Dictionary& tables = Tables();
    clipboardOpened_ = OpenTable(tables.Clipboard);
    categoriesOpened_ = OpenTable(tables.ClipboardCategories);

    ok_ = new QPushButton(LoadIcon(QStringLiteral("ok.ico")), QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(LoadIcon(QStringLiteral("cancel.ico")), QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateClipboard::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateClipboard::reject);
    keep_ = new QCheckBox(QStringLiteral("Keep"), this);
    keep_->setToolTip(QStringLiteral("Keep this clipboard record"));
    contents_ = new QPlainTextEdit(this);
    category_ = new QLineEdit(this);
    LimitToWidth(category_, kClipCategorySize);
    category_->setMinimumWidth(category_->fontMetrics().horizontalAdvance(QString(kClipCategorySize, u'n')));
    connect(category_, &QLineEdit::editingFinished, this, [this] {
        if (category_->isModified()) {
            category_->setModified(false);
            CheckCategory();
        }
    });
    lookup_ = new QToolButton(this);
    lookup_->setText(QStringLiteral("..."));
    lookup_->setToolTip(QStringLiteral("Choose a clipboard category"));
    connect(lookup_, &QToolButton::clicked, this, [this] { PickCategory(false); });
    date_ = new PictureSpinBox(UserDatePicture(), this);
    time_ = new PictureSpinBox(QStringLiteral("@t3"), this);

    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Category:")));
    fields->addWidget(category_);
    fields->addWidget(lookup_);
    fields->addStretch();
    fields->addWidget(date_);
    fields->addWidget(time_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(keep_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(contents_, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    keep_->setChecked(entry.ClipKeep != 0);
    contents_->setPlainText(entry.ClipContents);
    category_->setText(Clip(entry.Category));
    date_->SetValue(entry.ClipDate);
    time_->SetValue(entry.ClipTime);
    ApplyFormMode(request, {keep_, category_, lookup_, date_, time_}, ok_, cancel_, LoadIcon(QStringLiteral("close")));
    // Viewed or about to go, the text is read and selected, never changed.
    contents_->setReadOnly(request == FormRequest::View || request == FormRequest::Delete);
    resize(520, 340);
    KeepWindowPosition(*this, QLatin1String(kUpdateClipboardProcedure));
}

UpdateClipboard::~UpdateClipboard()
{
    Dictionary& tables = Tables();
    if (clipboardOpened_)
        tables.Clipboard.Close();
    if (categoriesOpened_)
        tables.ClipboardCategories.Close();
}

ClipboardRecord UpdateClipboard::Taken() const
{
    ClipboardRecord entry = entry_;
    entry.ClipKeep = keep_->isChecked() ? 1 : 0;
    entry.ClipContents = contents_->toPlainText();
    entry.Category = category_->text();
    entry.ClipDate = date_->Value();
    entry.ClipTime = time_->Value();
    return entry;
}

bool UpdateClipboard::CheckCategory()
{
    if (ClipboardCategoryKnown(Tables().ClipboardCategories, category_->text()))
        return true;
    PickCategory(true);
    return false;
}

void UpdateClipboard::PickCategory(bool focusBackWhenCancelled)
{
    auto* picker = new SelectClipboardCategory(category_->text(), this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowModality(Qt::WindowModal);
    connect(picker, &QDialog::finished, this, [this, picker, focusBackWhenCancelled](int result) {
        if (result == QDialog::Accepted)
            category_->setText(Clip(picker->Chosen()));
        else if (focusBackWhenCancelled)
            category_->setFocus();
    });
    picker->open();
}

void UpdateClipboard::PutBackLastSaved()
{
    const std::optional<ClipboardRecord>& last = LastSaved();
    if (!last || request_ == FormRequest::View || request_ == FormRequest::Delete)
        return;
    QWidget* focused = focusWidget();
    if (focused == keep_)
        keep_->setChecked(last->ClipKeep != 0);
    else if (focused == contents_)
        contents_->setPlainText(last->ClipContents);
    else if (focused == category_)
        category_->setText(Clip(last->Category));
    else if (focused == date_ || date_->isAncestorOf(focused))
        date_->SetValue(last->ClipDate);
    else if (focused == time_ || time_->isAncestorOf(focused))
        time_->SetValue(last->ClipTime);
}

void UpdateClipboard::keyPressEvent(QKeyEvent* event)
{
    if (QKeySequence(event->keyCombination()) == kFieldHistoryKey) {
        PutBackLastSaved();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateClipboard::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    // A date or time still being typed is taken first.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    ClipboardRecord edited = request_ == FormRequest::Delete ? entry_ : Taken();
    // A category the user changed must be one the saver knows; one the entry
    // came with (a window's title, from the capture) stands as it is.
    if (request_ != FormRequest::Delete && Clip(edited.Category) != Clip(entry_.Category) && !CheckCategory())
        return;
    if (!StoreClipboardEntry(Tables().Clipboard, request_, edited))
        return;
    entry_ = edited;
    if (request_ != FormRequest::Delete)
        LastSaved() = entry_;
    QDialog::accept();
}

UpdateClipboard* OpenClipboardEntryForm(ListPane& pane, FormRequest request, const std::optional<QString>& category,
                                        std::function<void()> stored)
{
    Table<ClipboardRecord>& clipboard = Tables().Clipboard;
    ClipboardRecord entry;
    if (request == FormRequest::Insert) {
        entry = NewClipboardEntry(clipboard, QGuiApplication::clipboard()->text(), Today(), Now());
        if (category)
            entry.Category = *category;
    } else if (!HighlightedRecord(pane, clipboard, entry)) {
        return nullptr; // gone meanwhile (trimmed by the saver, deleted elsewhere)
    }
    if (request == FormRequest::Delete && !ConfirmClipboardDelete(entry)) {
        pane.List()->setFocus();
        return nullptr;
    }
    return OpenPaneForm(pane, new UpdateClipboard(request, entry, &pane.Window()), std::move(stored));
}

} // namespace vl
