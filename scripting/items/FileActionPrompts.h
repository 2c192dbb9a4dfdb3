#pragma once
// What the "File Actions" page asks for each sub-action: the prompts of its
// two parameters (SCR:Command and SCR:Path; an empty prompt hides the
// parameter), which of them get a file button, and whether the FTP host,
// user name and password are asked.

#include <QString>
#include <QStringView>

namespace vl {

struct FileActionPrompts {
    QString first;
    QString second;
    bool firstButton = false;
    bool secondButton = false;
    bool ftp = false;
};

// The prompts of a sub-action; one that is none of the fifteen asks as
// "Copy" does.
FileActionPrompts PromptsForFileAction(QStringView subAction);

} // namespace vl
