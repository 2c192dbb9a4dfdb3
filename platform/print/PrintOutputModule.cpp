#include "platform/print/PrintOutputModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace vl {

const PrintOutput* LoadPrintOutput(const QStringList& folders, QString& error)
{
    using Entry = const PrintOutput* (*)();
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QString::fromLatin1(kPrintOutputFile)));
        if (const auto entry = reinterpret_cast<Entry>(module.resolve(kPrintOutputEntry)))
            return entry(); // a loaded module stays loaded
    }
    QStringList shown;
    for (const QString& folder : folders)
        shown << QDir::toNativeSeparators(QDir::cleanPath(folder));
    error = QStringLiteral("Printing is not available: its module %1 was not found in %2. Install the program "
                           "again with all its files.")
                .arg(QString::fromLatin1(kPrintOutputFile), shown.join(QStringLiteral(" or ")));
    return nullptr;
}

QStringList PrintOutputFolders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs, programs + QStringLiteral("/../bin")};
}

} // namespace vl
