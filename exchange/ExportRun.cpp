#include "exchange/ExportRun.h"

#include "exchange/ImexText.h"

#include <QHash>
#include <QSaveFile>

namespace vl {
namespace {

const QByteArray kLineEnd("\r\n");
constexpr qsizetype kKnownValues = 4096;

bool WriteLine(QSaveFile& file, const QString& line)
{
    QByteArray bytes = line.toUtf8();
    bytes += kLineEnd;
    return file.write(bytes) == bytes.size();
}

// One column of the data lines: its field and picture, and the texts that
// numbers (dates, times) gave under a formatting picture, since they repeat
// from record to record.
struct Column {
    const FieldDef* field;
    QString picture;
    bool formatted;
    QHash<int64_t, QString> known;

    QString Text(const RecordBase& record)
    {
        const FieldValue value = field->get(record);
        const auto* number = std::get_if<int64_t>(&value);
        if (!formatted || !number)
            return ImexValueText(value, picture);
        const auto found = known.constFind(*number);
        if (found != known.cend())
            return *found;
        QString text = ImexValueText(value, picture);
        if (known.size() < kKnownValues)
            known.insert(*number, text);
        return text;
    }
};

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
        if (!WriteLine(file, names.join(QLatin1Char(','))))
            return writeFailed();
    }

    std::vector<Column> written;
    for (const ExportColumn& column : columns) {
        const int field = def.FieldIndex(column.field);
        if (field >= 0) // a name the table does not know writes nothing
            written.push_back(
                {&def.Fields()[field], column.picture, KindOfPicture(column.picture) == PictureKind::Formatted, {}});
    }

    int shown = 0;
    QString line;
    while (next(buffer)) {
        line.resize(0); // keeps its room for the next line
        for (size_t c = 0; c < written.size(); ++c) {
            if (c > 0)
                line += QLatin1Char(',');
            line += written[c].Text(buffer);
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
