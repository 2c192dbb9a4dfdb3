#include "exchange/ExportRun.h"

#include "exchange/ImexText.h"

#include <QSaveFile>

namespace vl {
namespace {

const QByteArray kLineEnd("\r\n");

bool WriteLine(QSaveFile& file, const QStringList& fields)
{
    const QByteArray bytes = fields.join(QLatin1Char(',')).toUtf8() + kLineEnd;
    return file.write(bytes) == bytes.size();
}

} // namespace

std::vector<ExportColumn> DefaultExportColumns(const ExchangeTableInfo& info)
{
    std::vector<ExportColumn> columns;
    for (const ExchangeField& field : info.fields)
        columns.push_back({field.name, field.picture});
    return columns;
}

ExportResult WriteExportFile(const QString& path, const TableDef& def, const std::vector<ExportColumn>& columns,
                             bool header, int64_t total, const std::function<bool(RecordBase&)>& next,
                             const std::function<QString()>& readError, const ExportProgress& progress,
                             RecordBase& buffer)
{
    ExportResult result;
    QSaveFile file(path);
    auto writeFailed = [&] {
        result.error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return writeFailed();

    if (header) {
        QStringList names;
        for (const ExportColumn& column : columns)
            names << ImexHeaderText(column.field);
        if (!WriteLine(file, names))
            return writeFailed();
    }

    std::vector<int> fieldOf;
    for (const ExportColumn& column : columns)
        fieldOf.push_back(def.FieldIndex(column.field));

    int shown = 0;
    while (next(buffer)) {
        QStringList line;
        for (size_t c = 0; c < columns.size(); ++c) {
            if (fieldOf[c] >= 0) // a name the table does not know writes nothing
                line << ImexValueText(def.Fields()[fieldOf[c]].get(buffer), columns[c].picture);
        }
        if (!WriteLine(file, line))
            return writeFailed();
        ++result.records;
        const int percent = total > 0 ? static_cast<int>(std::min<int64_t>(100, result.records * 100 / total)) : 100;
        if (progress && percent != shown) {
            shown = percent;
            if (!progress(percent)) {
                file.cancelWriting();
                result.cancelled = true;
                return result;
            }
        }
    }
    result.error = readError();
    if (!result.error.isEmpty()) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace vl
