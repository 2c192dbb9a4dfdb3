#pragma once
// The rules of the clipboard saver's list and entry form: a new entry, the
// category an entry may take, storing an entry under the hash key of its
// text, the keep mark, the warning before a kept entry goes, the rows that
// hold something to start, and what "&Run" starts.

#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/ClipboardRecord.h"
#include "platform/data/Table.h"
#include "platform/ui/FormRequest.h"

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr char kClipboardStoreCaption[] = "Clipboard Saver";
inline constexpr char kDeleteKeptCaption[] = "Delete Record";
inline constexpr char kDeleteKeptText[] =
    "This clipboard record has a \"Save\" indicator.  Are you sure you want to delete it?";

// A new entry: the clipboard's text (at most 8,192 characters), today, now.
ClipboardRecord NewClipboardEntry(const Table<ClipboardRecord>& clipboard, const QString& clipboardText, Date today,
                                  ClockTime now);

// Whether a typed category stands without the picker: "General", a blank
// one, or one the clipboard categories hold. False also when the table
// cannot be read (the picker then shows what it can).
bool ClipboardCategoryKnown(Table<ClipboardCategoriesRecord>& categories, const QString& typed);

// Completes the form's request. Insert and change: the hash key is rebuilt
// from the text without trailing blanks; when another entry holds that key
// (a different text with the same letters) the entry takes the next free
// one ("#2", ...), so no text is refused or lost; then it is added or
// written back. Delete: deleted. A file error is shown; false then, with
// the file as it was.
bool StoreClipboardEntry(Table<ClipboardRecord>& clipboard, FormRequest request, ClipboardRecord& entry);

// Flips the keep mark of the entry as stored now and writes it back. A
// failure is shown; false then. entry takes the stored values.
bool ToggleClipboardKeep(Table<ClipboardRecord>& clipboard, ClipboardRecord& entry);

// Before a delete: a kept entry goes only when the user answers Yes to the
// warning (No is the default); any other entry at once.
bool ConfirmClipboardDelete(const ClipboardRecord& entry);

// A text that holds a web or mail address, a program or a shortcut
// ("http:", "mailto:", ".exe", ".lnk"), which the list shows in blue.
bool ClipboardTextRunnable(const QString& contents);

// What "&Run" starts for a text, in order: the text from "http:" and from
// "mailto:" up to the next blank or double quote; the program names ending
// in ".exe", ".lnk" and ".url" (each beginning after the nearest double
// quote before it, or after the nearest blank when the text holds no double
// quote, else at the start); and "http://" + the text when it begins with
// "www". Each at most 255 characters; empty ones are left out.
QStringList ClipboardRunTargets(const QString& contents);

} // namespace vl
