#pragma once
// The text form of a script: one command per line, a keyword and its
// tokens ("KEYS", "WAIT 5 Notepad*", "START prog.exe /tmp WAIT=30"). The
// writer turns items into lines the parser reads back into the same items;
// the parser also takes what a user types (any case, extra blanks, commas
// between tokens). Token quoting is QuoteScriptToken's (core/launch).

#include "core/dictionary/ScriptingRecord.h"
#include "platform/data/Table.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace vl {

inline constexpr char kScriptTextErrorCaption[] = "Error";
inline constexpr char kNothingToSaveText[] = "Nothing to save.";
inline constexpr char kUnknownScriptActionText[] = "Unknown script action:";
inline constexpr char kNoTaskIdErrorText[] = "No task ID";
inline constexpr char kAddScriptingErrorText[] = "Error adding scripting:";
inline constexpr char kNextScriptErrorText[] = "Next script:  ";
inline constexpr char kScriptNotSavedText[] = "The script was not saved. Correct these lines:";
inline constexpr int kScriptTextLineWidth = 1024;

// The arguments of a line as tokens: split at a blank or a comma outside
// double quotes and square brackets; a comma stays at the end of its token,
// a blank is dropped; leading blanks are skipped; each token goes through
// StripQuotes.
QStringList SplitScriptTokens(QStringView arguments);

// The sub-action a FILE line names ("MAKE DIRECTORY" -> "Make Directory",
// "FTP" -> "FTP Download"); an unknown word is "Copy". Any case.
QString FileActionDisplayName(const QString& word);

// What one line made.
enum class ScriptLineKind {
    Blank,   // nothing: no item
    Known,   // an item of the keyword's action
    Unknown, // the keyword is no command: the item's action is the keyword as typed
};

// Parses one line into the item's action and fields (the item's ID and
// sequence are left alone; its other fields are cleared first). *problem
// tells why the item would not be what the line says: an unknown command,
// more values than the command takes, a number that is none, an unknown
// file action; it is empty when the line reads whole.
//
// A token written between double quotes is a value, never a word of the
// line: WAIT "Or" waits for a window titled Or, FILE "Tidy" x keeps the
// sub-action Tidy, START x ACTION="runas" the verb runas. A WAIT line also
// takes the option MODE=, for a mode that no mode word gives.
ScriptLineKind ParseScriptLine(QStringView line, ScriptingRecord& item, QString* problem = nullptr);

// One item as its line, without indentation or line end.
QString ScriptItemToLine(const ScriptingRecord& item);

// The items, in the order given, as text: every line ends with CR LF, and
// the lines inside a test ("IF...", up to "END") are indented by three
// blanks a level (at most 24).
QString ScriptItemsToText(const std::vector<ScriptingRecord>& items);

// The task's script as text. Task 0 shows "No task ID"; a read error shows
// "Next script:  " with the error, and the text read so far is returned.
QString ScriptItemsToText(Table<ScriptingRecord>& scripting, int32_t taskId);

// A line of a text that cannot be stored as typed, and why.
struct ScriptTextProblem {
    int line = 0; // 1-based
    QString text;
};

// The lines that cannot be stored as typed, first to last: what
// ParseScriptLine finds in a line of a known command, and a value wider
// than the field that would keep it. A line of an unknown command is no
// problem (it is stored as an item of that action), nor is a test without
// its END or an END without its test: the interpreter ends an open test at
// the end of the script and passes over an END.
std::vector<ScriptTextProblem> FindScriptTextProblems(const TableDef& scripting, const QString& text);

// Replaces the task's script by the items of the text, numbered by line
// (blank lines take a number and add nothing); a line of an unknown command
// shows "Unknown script action:" with the command and its arguments and is
// stored as an item of that action. A blank text shows "Nothing
// to save."; a text with problems shows them, each with its line, and
// *firstProblemLine is set to the first; either way the script is kept and
// false is returned. The replacement is one batch: when a write fails, the
// error is shown, the task keeps its old script, and false is returned.
bool ScriptTextToItems(Table<ScriptingRecord>& scripting, int32_t taskId, const QString& text,
                       int* firstProblemLine = nullptr);

} // namespace vl
