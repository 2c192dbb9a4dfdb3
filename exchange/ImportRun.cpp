#include "exchange/ImportRun.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace vl {
namespace {

struct Range {
    int64_t low;
    int64_t high;
};

Range RangeOf(FieldType type)
{
    switch (type) {
    case FieldType::Byte: return {0, 255};
    case FieldType::Short: return {-32768, 32767};
    case FieldType::UShort: return {0, 65535};
    case FieldType::ULong: return {0, std::numeric_limits<uint32_t>::max()};
    default: break;
    }
    return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
}

// A formatted column's text that its picture could not read: a non-blank
// text that reads back as 0 although 0 is not how it shows.
bool Unreadable(const QString& raw, const QString& value, const QString& picture)
{
    return value == QLatin1String("0") && !raw.trimmed().isEmpty()
           && Picture::Format(qint64(0), picture).trimmed() != raw.trimmed();
}

void SetIfPresent(const TableDef& def, RecordBase& record, const QString& field, int64_t value)
{
    const int index = def.FieldIndex(field);
    if (index >= 0)
        def.Fields()[index].set(record, FieldValue(value));
}

int64_t NumberOf(const TableDef& def, const RecordBase& record, const QString& field)
{
    const int index = def.FieldIndex(field);
    if (index < 0)
        return 0;
    const FieldValue value = def.Fields()[index].get(record);
    return std::holds_alternative<int64_t>(value) ? std::get<int64_t>(value) : 0;
}

} // namespace

QString AddFailureCaption(const ExchangeTableInfo& info)
{
    return QStringLiteral("Cannot ADD to %1!").arg(info.label);
}

QString LineFailureCaption()
{
    return QStringLiteral("Nothing Imported");
}

ImportLineOutcome FillImportRecord(const TableDef& def, const ImportMapping& mapping, const ImexRecord& line,
                                   RecordBase& record)
{
    ImportLineOutcome outcome;
    const std::vector<ExchangeField>& targets = mapping.Info().fields;
    for (size_t t = 0; t < targets.size(); ++t) {
        const int column = mapping.ColumnOf(static_cast<int>(t));
        if (column < 0 || static_cast<size_t>(column) >= line.fields.size())
            continue; // no column, or the line lacks it
        const FieldDef& field = def.Fields()[def.FieldIndex(targets[t].name)];
        const ImportColumn& source = mapping.Columns()[column];
        const QString& raw = line.fields[column].text;
        if (!raw.trimmed().isEmpty())
            outcome.blank = false;
        const QString value = DeformatImexField(raw, source.picture);
        if (field.IsText()) {
            field.set(record, FieldValue(value));
            continue;
        }
        auto fail = [&](const QString& why) {
            outcome.error = QStringLiteral("%1 (%2) \"%3\" %4").arg(source.name, targets[t].name, raw, why);
            return outcome;
        };
        if (KindOfPicture(source.picture) == PictureKind::Formatted && Unreadable(raw, value, source.picture))
            return fail(QStringLiteral("cannot be read with the picture ") + source.picture);
        const QString number = value.trimmed();
        double parsed = 0;
        if (!number.isEmpty()) {
            bool ok = false;
            parsed = QLocale::c().toDouble(number, &ok);
            if (!ok)
                return fail(QStringLiteral("is not a number"));
        }
        const Range range = RangeOf(field.type);
        const double whole = std::trunc(parsed);
        if (whole < double(range.low) || whole > double(range.high))
            return fail(QStringLiteral("is out of range"));
        field.set(record, FieldValue(static_cast<int64_t>(whole)));
    }
    // A task's advance-warning time means nothing without its date.
    if (def.FieldIndex(QStringLiteral("SCH:AdvanceWarnTime")) >= 0
        && NumberOf(def, record, QStringLiteral("SCH:AdvanceWarnDate")) == 0)
        SetIfPresent(def, record, QStringLiteral("SCH:AdvanceWarnTime"), 0);
    const QString stamp = def.Prefix() + QStringLiteral(":LASTCHANGE");
    SetIfPresent(def, record, stamp + QStringLiteral("DATE"), Today());
    SetIfPresent(def, record, stamp + QStringLiteral("TIME"), Now());
    return outcome;
}

} // namespace vl
