#pragma once
// Where the program keeps its data: the directory that holds the main data
// file VLDB.TPS becomes the current directory for the whole run, and every
// table and text file name is relative to it.

#include <QString>

#include <functional>

namespace vl {

class PromptService;

inline constexpr char kMainDataFileName[] = "VLDB.TPS";
inline constexpr char kPathsIniName[] = "PATHS.INI";
inline constexpr char kPathsSection[] = "PATH";
inline constexpr char kPathsDataEntry[] = "DATA";

// The installation directory: $XDG_DATA_HOME/velmora, or
// ~/.local/share/velmora when XDG_DATA_HOME is unset or not absolute.
QString InstallationDirectory();

// True when the directory holds the main data file (its name matched without
// regard to case, as the data files are).
bool HoldsMainDataFile(const QString& directory);

// The data directory a start in the directory takes without asking (steps
// 1 to 3 of ChooseDataDirectory, with nothing changed or created); empty
// when such a start would ask.
QString FoundDataDirectory(const QString& start, const QString& installationDirectory);

// Makes the data directory current and returns its path:
// 1. the current directory when it holds VLDB.TPS;
// 2. else the directory named by entry DATA of section PATH of PATHS.INI in
//    the current directory, when that file exists; when it does not hold
//    VLDB.TPS, the dialog of step 4 starts there and its answer is written
//    back to that PATHS.INI;
// 3. else, when the current directory lies outside the installation
//    directory, the installation directory (created, private to the user,
//    when missing) becomes current and is taken as a start there would take
//    it: when it holds VLDB.TPS, or its PATHS.INI names a directory that
//    does, that directory is the data directory. So a program started from
//    anywhere finds the data it chose before;
// 4. else, still without VLDB.TPS, the user picks one in the dialog
//    "Select data directory", started in the current directory. The choice
//    (created private to the user when missing) is written back to PATHS.INI
//    of the directory the dialog started in, or of step 2.
//    When the dialog is cancelled, the notice "Application data will be
//    created in " and the directory says that new data files will be created
//    there as they are first opened.
// A program started in the installation directory itself (the default data
// directory) keeps its data there and asks nothing.
// A directory this user cannot open (DirectoryEntry.h), named by PATHS.INI
// or chosen in the dialog, is named with the system's reason, and the dialog
// asks (again). ended: the program is being told to end (the dialog was
// closed by it, not by the user): nothing more is said.
QString ChooseDataDirectory(PromptService& prompt, const QString& installationDirectory,
                            const std::function<bool()>& ended = {});

} // namespace vl
