#include "platform/data/DataFileName.h"

#include "platform/data/TableFile.h"

#include <QDir>
#include <QFileInfo>

namespace vl {

namespace {

const QString kTableSeparator = QStringLiteral("\\!");
const QString kDefaultExtension = QStringLiteral(".TPS");

} // namespace

QString DataFilePath(const TableFile& table)
{
    return QFileInfo(ResolveDataFileName(table.Name(), table.Definition().Label()).path).absoluteFilePath();
}

QString FindFileNoCase(const QString& dir, const QString& fileName)
{
    const QDir directory(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QString exact = directory.filePath(fileName);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return directory.filePath(entry);
    }
    return exact;
}

DataFileName ResolveDataFileName(const QString& name, const QString& defaultTable)
{
    QString filePart = name.trimmed();
    QString table = defaultTable;
    const qsizetype separator = filePart.lastIndexOf(kTableSeparator);
    if (separator >= 0) {
        table = filePart.mid(separator + kTableSeparator.size()).trimmed();
        filePart = filePart.left(separator).trimmed();
    }
    // Names written with the other system's separators still find their file.
    filePart.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(filePart);
    QString fileName = info.fileName();
    if (!fileName.contains(QLatin1Char('.')))
        fileName += kDefaultExtension;
    const QString dir = filePart.contains(QLatin1Char('/')) ? info.path() : QString();
    return DataFileName{FindFileNoCase(dir, fileName), table};
}

} // namespace vl
