#include "platform/process/ShellOpen.h"

#include "platform/process/ProcessStart.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <mutex>

namespace vl {
namespace {

std::mutex gOpenerMutex;
DocumentOpener gOpener{QStringLiteral("xdg-open"), {}};

} // namespace

DocumentOpener CurrentDocumentOpener()
{
    std::lock_guard lock(gOpenerMutex);
    return gOpener;
}

DocumentOpenerOverride::DocumentOpenerOverride(DocumentOpener opener)
{
    std::lock_guard lock(gOpenerMutex);
    previous_ = gOpener;
    gOpener = std::move(opener);
}

DocumentOpenerOverride::~DocumentOpenerOverride()
{
    std::lock_guard lock(gOpenerMutex);
    gOpener = previous_;
}

bool IsAddress(const QString& document)
{
    // A scheme of two or more characters, so that nothing that looks like a
    // drive letter ("c:...") counts.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(document).hasMatch();
}

RunResult ShellOpen(const QString& document, const QString& workingDirectory)
{
    const QString text = document.trimmed();
    if (text.isEmpty())
        return RunResult::Failure(RunCode::FileNotFound, QStringLiteral("No document named"));
    QString target = text;
    if (!IsAddress(text)) {
        const QDir base(workingDirectory.isEmpty() ? QDir::currentPath()
                                                   : QDir::current().absoluteFilePath(workingDirectory));
        // Absolute, so that a name beginning with "-" never reads as an option.
        target = QDir::cleanPath(base.absoluteFilePath(text));
        const QFileInfo file(target);
        if (!file.exists()) {
            const bool folderMissing = !QFileInfo(file.absolutePath()).isDir();
            return RunResult::Failure(folderMissing ? RunCode::PathNotFound : RunCode::FileNotFound, target);
        }
    }
    const DocumentOpener opener = CurrentDocumentOpener();
    ProgramStart start;
    start.program = opener.program;
    start.arguments = opener.arguments;
    start.arguments.append(target);
    start.workingDirectory = workingDirectory;
    return StartDetached(start);
}

} // namespace vl
