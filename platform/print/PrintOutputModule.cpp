#include "platform/print/PrintOutputModule.h"

#include "platform/runtime/ProgramModule.h"

#include <QDir>

namespace vl {

const PrintOutput* LoadPrintOutput(const QStringList& folders, QString& error)
{
    using Entry = const PrintOutput* (*)();
    if (const auto entry = reinterpret_cast<Entry>(
            ResolveProgramModule(folders, QString::fromLatin1(kPrintOutputFile), kPrintOutputEntry)))
        return entry();
    QStringList shown;
    for (const QString& folder : folders)
        shown << QDir::toNativeSeparators(QDir::cleanPath(folder));
    error = QStringLiteral("Printing is not available: its module %1 was not found in %2. Install the program "
                           "again with all its files.")
                .arg(QString::fromLatin1(kPrintOutputFile), shown.join(QStringLiteral(" or ")));
    return nullptr;
}

} // namespace vl
