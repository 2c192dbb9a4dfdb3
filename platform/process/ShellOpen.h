#pragma once
// Opening a document or an address with the desktop's default handler, the
// way a user's double click would: the opener ("xdg-open") is started with the
// document as its one argument, never through a shell command line.

#include "platform/process/RunResult.h"

#include <QString>
#include <QStringList>

namespace vl {

// The program that opens documents, with any arguments before the document.
struct DocumentOpener {
    QString program;
    QStringList arguments;
};

// The opener in use: "xdg-open" unless one is installed with
// DocumentOpenerOverride.
DocumentOpener CurrentDocumentOpener();

// Installs another opener for the lifetime of this object (tests), restoring
// the previous one afterwards.
class DocumentOpenerOverride {
public:
    explicit DocumentOpenerOverride(DocumentOpener opener);
    ~DocumentOpenerOverride();
    DocumentOpenerOverride(const DocumentOpenerOverride&) = delete;
    DocumentOpenerOverride& operator=(const DocumentOpenerOverride&) = delete;

private:
    DocumentOpener previous_;
};

// True for an address with a scheme ("https://...", "mailto:...",
// "file:///..."); anything else is a file path.
bool IsAddress(const QString& document);

// Opens the document without waiting. A file path is made absolute from the
// working directory (empty: the current one) and must exist: a missing file
// gives 2 (File Not Found), a missing folder on its way 3 (Path Not Found);
// a missing opener gives 2 as well. The opener runs in the working directory
// (when given) and is not tied to this process.
RunResult ShellOpen(const QString& document, const QString& workingDirectory = QString());

} // namespace vl
