#pragma once
// The numbered standard warnings that the data file opening (and later the
// import, export and report procedures) show. In the texts, ERROR is the
// error's text with its code in parentheses and FILE the file name handed in.
// Warnings that end the program ask for the stop themselves (StopProgram).

#include <QString>

#include "platform/data/DataError.h"

namespace vl {

enum StandardWarning : int {
    kWarnInvalidFile = 1,          // "Invalid File", then stop "Invalid File!"
    kWarnInvalidKey = 2,           // "Invalid Key": rebuild? Yes returns 2, No stops "Invalid Key!"
    kWarnKeyRebuildError = 3,      // "Key Rebuild Error", then stop "Error Rebuilding Key!"
    kWarnFileCreationError = 4,    // "File Creation Error", then stop "File Creation Error!"
    kWarnCreatedFileOpenError = 5, // "File Creation Error" (opening the created file), then stop
    kWarnFileAccessError = 30,     // "File Access Error": returns the answer (OK = 1)
};

// Shows the warning about a file and returns its answer: 2 when warning 2 is
// answered Yes, 1 for the OK of warning 30, 0 when the warning ended the
// program (or the number is unknown).
int ShowFileWarning(int number, const QString& fileName, const DataError& error);
// The same without a file name.
int ShowWarning(int number, const DataError& error);

} // namespace vl
