#pragma once
// Entry "BadFile" of the program's section in the program INI file names the
// table whose open has not finished: it is written before an open that
// creates or converts a table and emptied after it, each time durably, so
// that a run that dies while changing a file leaves the name behind for the
// next start. Opening tables that are as declared writes nothing.

#include <QString>

namespace vl {

class PromptService;

inline constexpr char kProgramSection[] = "VLMR";
inline constexpr char kBadFileEntry[] = "BadFile";

// Installs the open hook that keeps the entry in the INI file at iniPath.
// The entry holds the table's label when the dictionary knows its file
// name, else the file name itself.
void InstallBadFileGuard(const QString& iniPath);
// Removes the hook.
void RemoveBadFileGuard();

// The entry's value (clipped; empty when none).
QString ReadBadFile(const QString& iniPath);

// At start: when the entry names a table, offers to repair it (the repair
// window's "Fix"). Answered yes, the repair runs and the entry is emptied;
// answered no, the entry stays and the offer comes again at the next start.
void OfferBadFileRepairAtStart(PromptService& prompt, const QString& iniPath);

} // namespace vl
