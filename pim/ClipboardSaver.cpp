#include "pim/ClipboardSaver.h"

#include "platform/runtime/FixedText.h"

#include <optional>

namespace vl {

namespace {

// Texts sharing their letters with others: more than this many is taken for
// a damaged table rather than searched on.
constexpr int kMostSharedKeys = 1000;

// The entry holding the text, or the hash key it is to be stored under;
// false when the table could not be read.
bool FindPlace(Table<ClipboardRecord>& clipboard, const QString& text, std::optional<ClipboardRecord>& holder,
               QString& freeKey)
{
    for (int occurrence = 1; occurrence <= kMostSharedKeys; ++occurrence) {
        ClipboardRecord entry;
        entry.ClipHashKey = ClipboardHashKey(text, occurrence);
        if (!clipboard.Get(CLI_KEYCLIPHASH, entry)) {
            if (clipboard.ErrorCode() != kRecordNotFound)
                return false;
            freeKey = ClipboardHashKey(text, occurrence);
            return true;
        }
        if (entry.ClipContents == text) {
            holder = entry;
            return true;
        }
    }
    return false;
}

// Deletes the oldest entries not kept until `room` more fit under the
// maximum. False on a file error.
bool MakeRoom(Table<ClipboardRecord>& clipboard, int32_t maxEntries, int room)
{
    if (maxEntries <= 0)
        return true;
    int64_t count = clipboard.Records();
    if (!clipboard.LastError().Ok())
        return false;
    Cursor<ClipboardRecord> cursor(clipboard, CLI_KEYCLIPKEEP);
    ClipboardRecord entry;
    while (count + room > maxEntries && cursor.Next(entry) && entry.ClipKeep == 0) {
        if (!clipboard.Delete(entry))
            return false;
        --count;
    }
    return clipboard.ErrorCode() == kNoError || clipboard.ErrorCode() == kRecordNotAvailable;
}

} // namespace

QString ClipboardHashKey(const QString& text)
{
    QString key;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z')) {
            key += upper;
            if (key.size() == kClipHashKeySize)
                break;
        }
    }
    return key;
}

QString ClipboardHashKey(const QString& text, int occurrence)
{
    const QString key = ClipboardHashKey(text);
    if (occurrence <= 1)
        return key;
    const QString suffix = QLatin1Char('#') + QString::number(occurrence);
    return CutTo(key, kClipHashKeySize - suffix.size()) + suffix;
}

ClipCaptureResult CaptureClipboardText(Table<ClipboardRecord>& clipboard, ClipboardRecord& last,
                                       const CapturedText& captured, int32_t maxEntries)
{
    const QString text = CutTo(captured.text, kClipTextSize);
    if (text.trimmed().isEmpty() || text == last.ClipContents)
        return {ClipCapture::Ignored, {}};

    const auto failed = [&clipboard] {
        const DataError error = clipboard.LastError();
        return ClipCaptureResult{ClipCapture::Failed,
                                 error.Ok() ? DataError::Make(kFileSystemError, clipboard.Name()) : error};
    };
    std::optional<ClipboardRecord> holder;
    QString key;
    if (!FindPlace(clipboard, text, holder, key))
        return failed();
    if (holder) {
        last = *holder;
        return {ClipCapture::Known, {}};
    }

    ClipboardRecord entry;
    clipboard.Prime(entry);
    entry.ClipContents = text;
    entry.ClipHashKey = key;
    entry.ClipDate = captured.date;
    entry.ClipTime = captured.time;
    const QString category = CutTo(Clip(captured.category), kClipCategorySize);
    entry.Category = category.isEmpty() ? QLatin1String(kGeneralClipCategory) : category;

    if (!clipboard.Stream())
        return failed();
    if (!MakeRoom(clipboard, maxEntries, 1) || !clipboard.Add(entry)) {
        const ClipCaptureResult result = failed();
        clipboard.Rollback();
        return result;
    }
    if (!clipboard.Flush())
        return failed();
    last = entry;
    return {ClipCapture::Stored, {}};
}

} // namespace vl
