#include "pim/ClipboardEntries.h"

#include "pim/ClipboardSaver.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

#include <QRegularExpression>

#include <algorithm>

namespace vl {

namespace {

constexpr int kTargetSize = 255;
// Texts sharing their letters with others: more than this many is taken for
// a damaged table rather than searched on.
constexpr int kMostSharedKeys = 1000;

bool ShowFileError(const TableFile& file)
{
    Prompt::Message(file.LastError().Describe(), QLatin1String(kClipboardStoreCaption), PromptIcon::Stop);
    return false;
}

// The hash key the entry is to be stored under: the plain key of its text
// when that is free or its own, else the first free "#n" key. False when
// the table cannot be read.
bool FreeHashKey(Table<ClipboardRecord>& clipboard, const ClipboardRecord& entry, const QString& text, QString& key)
{
    for (int occurrence = 1; occurrence <= kMostSharedKeys; ++occurrence) {
        ClipboardRecord holder;
        holder.ClipHashKey = ClipboardHashKey(text, occurrence);
        if (!clipboard.Get(CLI_KEYCLIPHASH, holder)) {
            if (clipboard.ErrorCode() != kRecordNotFound)
                return false;
            key = ClipboardHashKey(text, occurrence);
            return true;
        }
        if (entry.RecordPointer != 0 && holder.RecordPointer == entry.RecordPointer) {
            key = holder.ClipHashKey;
            return true;
        }
    }
    return false;
}

// The address from its first mention to the next blank or double quote.
QString AddressTarget(const QString& contents, const QString& lower, const char* scheme)
{
    const int at = lower.indexOf(QLatin1String(scheme));
    if (at < 0)
        return {};
    QString target = contents.mid(at, kTargetSize);
    const int end = target.indexOf(QRegularExpression(QStringLiteral("[ \"]")));
    return end < 0 ? target : target.left(end);
}

// The program name that ends with the extension's first mention.
QString ProgramTarget(const QString& contents, const QString& lower, const char* extension)
{
    const int at = lower.indexOf(QLatin1String(extension));
    if (at < 0)
        return {};
    const QString text = CutTo(contents.left(at + static_cast<int>(qstrlen(extension))), kTargetSize);
    const int from = std::min<int>(at, text.size() - 1);
    const bool quoted = text.contains(QLatin1Char('"'));
    const int start = text.lastIndexOf(quoted ? QLatin1Char('"') : QLatin1Char(' '), from) + 1;
    return text.mid(start);
}

} // namespace

ClipboardRecord NewClipboardEntry(const Table<ClipboardRecord>& clipboard, const QString& clipboardText, Date today,
                                  ClockTime now)
{
    ClipboardRecord entry;
    clipboard.Prime(entry);
    entry.ClipContents = CutTo(clipboardText, kClipTextSize);
    entry.ClipDate = today;
    entry.ClipTime = now;
    return entry;
}

bool ClipboardCategoryKnown(Table<ClipboardCategoriesRecord>& categories, const QString& typed)
{
    const QString category = Clip(typed);
    if (category.isEmpty() || category == QLatin1String(kGeneralClipCategory))
        return true;
    ClipboardCategoriesRecord record;
    record.CATEGORY = category;
    return categories.Get(CLC_KEYCATEGORY, record);
}

bool StoreClipboardEntry(Table<ClipboardRecord>& clipboard, FormRequest request, ClipboardRecord& entry)
{
    if (request == FormRequest::Delete)
        return clipboard.Delete(entry) || ShowFileError(clipboard);
    ClipboardRecord stored = entry;
    stored.ClipContents = CutTo(Clip(entry.ClipContents), kClipTextSize);
    if (request == FormRequest::Insert)
        stored.RecordPointer = 0;
    if (!FreeHashKey(clipboard, stored, stored.ClipContents, stored.ClipHashKey))
        return ShowFileError(clipboard);
    const bool ok = request == FormRequest::Insert ? clipboard.Add(stored) : clipboard.Put(stored);
    if (!ok)
        return ShowFileError(clipboard);
    entry = stored;
    return true;
}

bool ToggleClipboardKeep(Table<ClipboardRecord>& clipboard, ClipboardRecord& entry)
{
    ClipboardRecord stored;
    if (!clipboard.Get(entry.RecordPointer, stored))
        return ShowFileError(clipboard);
    stored.ClipKeep = stored.ClipKeep ? 0 : 1;
    if (!clipboard.Put(stored))
        return ShowFileError(clipboard);
    entry = stored;
    return true;
}

bool ConfirmClipboardDelete(const ClipboardRecord& entry)
{
    if (entry.ClipKeep == 0)
        return true;
    return Prompt::Ask(QLatin1String(kDeleteKeptText), QLatin1String(kDeleteKeptCaption), PromptIcon::Exclamation,
                       ButtonYes | ButtonNo, ButtonNo) == ButtonYes;
}

bool ClipboardTextRunnable(const QString& contents)
{
    const QString lower = contents.toLower();
    for (const char* mark : {"http:", "mailto:", ".exe", ".lnk"}) {
        if (lower.contains(QLatin1String(mark)))
            return true;
    }
    return false;
}

QStringList ClipboardRunTargets(const QString& contents)
{
    const QString text = CutTo(contents, kClipTextSize);
    const QString lower = text.toLower();
    QStringList targets;
    const auto add = [&targets](const QString& target) {
        if (!target.trimmed().isEmpty())
            targets << target;
    };
    for (const char* scheme : {"http:", "mailto:"})
        add(AddressTarget(text, lower, scheme));
    for (const char* extension : {".exe", ".lnk", ".url"})
        add(ProgramTarget(text, lower, extension));
    if (text.startsWith(QLatin1String("www")))
        add(QStringLiteral("http://") + Clip(text));
    return targets;
}

} // namespace vl
