#pragma once
// The clipboard saver's store: each new text copied to the clipboard becomes
// one Clipboard entry, and the oldest entries not kept give way so the table
// holds no more than the maximum count.
//
// An entry's hash key is the letters A to Z of its text, upper-cased, in
// order (at most 120); the key is unique. Two different texts can have the
// same letters ("Call me, 5pm" and "CALL ME 6PM"): the later one is stored
// under the key followed by "#2" ("#3", ...; the letters cut to make room).
// No plain key holds a "#", so these keys never meet another text's key, and
// no capture is dropped. A text already stored under one of these keys is
// the same entry and is not stored again.

#include "core/dictionary/ClipboardRecord.h"
#include "platform/data/DataError.h"
#include "platform/data/Table.h"

#include <QString>

#include <cstdint>

namespace vl {

inline constexpr int kClipTextSize = 8192;
inline constexpr int kClipHashKeySize = 120;
inline constexpr int kClipCategorySize = 20;
inline constexpr char kGeneralClipCategory[] = "General";

// The letters A to Z of the text, upper-cased, in order, at most 120.
QString ClipboardHashKey(const QString& text);

// The hash key of the n-th text (from 1) that shares its letters with the
// ones before it: the plain key for the first, then "#2", "#3" ...
QString ClipboardHashKey(const QString& text, int occurrence);

struct CapturedText {
    QString text;     // the clipboard's text
    QString category; // the foreground window's title, or blank
    Date date = 0;
    ClockTime time = 0;
};

enum class ClipCapture {
    Ignored, // blank, or the text last captured
    Known,   // stored already: `last` takes that entry, nothing is written
    Stored,
    Failed,  // nothing of the capture is written
};

struct ClipCaptureResult {
    ClipCapture outcome = ClipCapture::Ignored;
    DataError error; // why it failed
};

// Stores a text taken from the clipboard (its first 8,192 characters). A
// blank text, or the same text as the last one captured (`last`), is
// ignored. Otherwise the oldest entries not kept are deleted, so that with
// the new one the table holds at most `maxEntries` (0: no limit; kept
// entries are never deleted), and the entry is added: all of it in one
// transaction. `last` takes the entry unless the capture failed.
ClipCaptureResult CaptureClipboardText(Table<ClipboardRecord>& clipboard, ClipboardRecord& last, const CapturedText& captured,
                                 int32_t maxEntries);

} // namespace vl
