#include "platform/runtime/ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace vl {

QStringList ProgramModuleFolders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs, programs + QStringLiteral("/../bin")};
}

QFunctionPointer ResolveProgramModule(const QStringList& folders, const QString& file, const char* entry)
{
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(file));
        if (const QFunctionPointer found = module.resolve(entry))
            return found;
    }
    return nullptr;
}

} // namespace vl
