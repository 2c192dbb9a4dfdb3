#include "exchange/ImportRun.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace vl {
namespace {

constexpr size_t kNamedLines = 5; // of the skipped lines and the cut values

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

} // namespace

QString AddFailureCaption(const ExchangeTableInfo& info)
{
    return QStringLiteral("Cannot ADD to %1!").arg(info.label);
}

QString LineFailureCaption()
{
    return QStringLiteral("Nothing Imported");
}

QString ImportCompletedText(const ImportResult& result)
{
    QString text = result.added == 1 ? QStringLiteral("1 record imported.")
                                     : QStringLiteral("%1 records imported.").arg(result.added);
    if (result.cut > 0)
        text += result.cut == 1 ? QStringLiteral("  1 value was cut to its field's width.")
                                : QStringLiteral("  %1 values were cut to their field's width.").arg(result.cut);
    if (result.skipped == 0)
        return text;
    QStringList lines;
    for (int line : result.skippedLines)
        lines << QString::number(line);
    if (result.skipped > static_cast<int>(result.skippedLines.size()))
        lines << QStringLiteral("...");
    return text + QStringLiteral("  %1 %2 with every imported field blank skipped (line %3).")
                      .arg(result.skipped)
                      .arg(result.skipped == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                      .arg(lines.join(QStringLiteral(", ")));
}

QStringList ImportCutLogTexts(const ImportResult& result)
{
    QStringList texts;
    for (const ImportCut& cut : result.cuts)
        texts << QStringLiteral("Line %1: %2 (%3) cut to %4 characters")
                     .arg(cut.line)
                     .arg(cut.column, cut.field)
                     .arg(cut.width);
    const int more = result.cut - static_cast<int>(result.cuts.size());
    if (more == 1)
        texts << QStringLiteral("1 more value cut to its field's width");
    else if (more > 1)
        texts << QStringLiteral("%1 more values cut to their field's width").arg(more);
    return texts;
}

ImportFiller::ImportFiller(const TableDef& def, const ImportMapping& mapping)
    : def_(&def), advanceDate_(def.FieldIndex(QStringLiteral("SCH:AdvanceWarnDate"))),
      advanceTime_(def.FieldIndex(QStringLiteral("SCH:AdvanceWarnTime"))),
      stampDate_(def.FieldIndex(def.Prefix() + QStringLiteral(":LASTCHANGEDATE"))),
      stampTime_(def.FieldIndex(def.Prefix() + QStringLiteral(":LASTCHANGETIME"))), today_(Today()), now_(Now())
{
    const std::vector<ExchangeField>& targets = mapping.Info().fields;
    for (size_t t = 0; t < targets.size(); ++t) {
        const int column = mapping.ColumnOf(static_cast<int>(t));
        if (column < 0)
            continue;
        const FieldDef& field = def.Fields()[def.FieldIndex(targets[t].name)];
        const ImportColumn& source = mapping.Columns()[column];
        Target target{&field, column, source.picture, source.name, targets[t].name,
                      KindOfPicture(source.picture) == PictureKind::Formatted, field.IsText(), 0, 0, {}};
        if (!target.text) {
            const Range range = RangeOf(field.type);
            target.low = range.low;
            target.high = range.high;
        }
        targets_.push_back(std::move(target));
    }
}

ImportLineOutcome ImportFiller::Fill(const ImexRecord& line, RecordBase& record) const
{
    ImportLineOutcome outcome;
    for (const Target& target : targets_) {
        if (target.column >= line.Size())
            continue; // the line lacks the column
        const QStringView raw = line.Text(target.column);
        const QStringView trimmed = raw.trimmed();
        if (!trimmed.isEmpty())
            outcome.blank = false;
        if (target.text) {
            QString value = target.formatted ? Deformatted(target, raw) : raw.toString();
            const int width = target.field->TextWidth();
            if (value.size() > width && Clip(value).size() > width)
                outcome.cuts.push_back({0, target.columnName, target.name, width});
            target.field->set(record, FieldValue(std::move(value)));
            continue;
        }
        auto fail = [&](const QString& why) {
            outcome.error = QStringLiteral("%1 (%2) \"%3\" %4").arg(target.columnName, target.name, raw, why);
            return outcome;
        };
        QString deformatted;
        QStringView number = trimmed;
        if (target.formatted) {
            deformatted = Deformatted(target, raw);
            if (Unreadable(raw.toString(), deformatted, target.picture))
                return fail(QStringLiteral("cannot be read with the picture ") + target.picture);
            number = QStringView(deformatted).trimmed();
        }
        double parsed = 0;
        if (!number.isEmpty()) {
            bool ok = false;
            const qlonglong whole = number.toLongLong(&ok);
            parsed = ok ? double(whole) : QLocale::c().toDouble(number, &ok);
            if (!ok)
                return fail(QStringLiteral("is not a number"));
        }
        const double whole = std::trunc(parsed);
        if (whole < double(target.low) || whole > double(target.high))
            return fail(QStringLiteral("is out of range"));
        target.field->set(record, FieldValue(static_cast<int64_t>(whole)));
    }
    const std::vector<FieldDef>& fields = def_->Fields();
    // A task's advance-warning time means nothing without its date.
    if (advanceDate_ >= 0 && advanceTime_ >= 0) {
        const FieldValue date = fields[advanceDate_].get(record);
        if (std::holds_alternative<int64_t>(date) && std::get<int64_t>(date) == 0)
            fields[advanceTime_].set(record, FieldValue(int64_t(0)));
    }
    if (stampDate_ >= 0)
        fields[stampDate_].set(record, FieldValue(int64_t(today_)));
    if (stampTime_ >= 0)
        fields[stampTime_].set(record, FieldValue(int64_t(now_)));
    return outcome;
}

QString ImportFiller::Deformatted(const Target& target, QStringView raw) const
{
    QString text = raw.toString();
    const auto known = target.deformatted.constFind(text);
    if (known != target.deformatted.cend())
        return *known;
    QString value = DeformatImexField(text, target.picture);
    if (target.deformatted.size() < kKnownTexts)
        target.deformatted.insert(std::move(text), value);
    return value;
}

ImportResult ImportLines(TableFile& table, RecordBase& record, const std::function<void()>& prime,
                         const std::function<bool()>& add,
                         const ImportMapping& mapping, ImexReader& reader, bool stripHeader,
                         const ImportProgress& progress)
{
    ImportResult result;
    const TableDef& def = table.Definition();
    auto fail = [&result](const QString& caption, const QString& error) {
        result.caption = caption;
        result.error = error;
        return result;
    };
    auto tableFault = [&] {
        return fail(AddFailureCaption(mapping.Info()),
                    QStringLiteral("Error #%1 - %2").arg(table.ErrorCode()).arg(table.Error()));
    };
    if (!reader.Open())
        return fail(LineFailureCaption(), reader.Error());
    // The first pass is the first half of the progress, the adding pass the second.
    const qint64 size = std::max<qint64>(reader.Size(), 1);
    int shown = -1;
    auto goOn = [&](int pass) {
        const int percent = static_cast<int>(std::min<qint64>(100, (pass * size + reader.Position()) * 50 / size));
        if (!progress || percent == shown)
            return true;
        shown = percent;
        return progress(percent);
    };
    const ImportFiller filler(def, mapping);
    ImexRecord line;
    for (int pass = 0; pass < 2; ++pass) {
        const bool adding = pass == 1;
        if (adding && (!reader.Rewind() || !table.Stream()))
            return reader.Error().isEmpty() ? tableFault() : fail(LineFailureCaption(), reader.Error());
        auto abandon = [&] {
            if (adding)
                table.Rollback();
            return result;
        };
        if (stripHeader)
            reader.Next(line);
        while (reader.Next(line)) {
            prime();
            const ImportLineOutcome outcome = filler.Fill(line, record);
            QString error = outcome.error;
            if (error.isEmpty() && !outcome.blank && !adding) {
                if (const auto failure = def.Validate(record))
                    error = failure->message;
            }
            if (!error.isEmpty()) {
                fail(LineFailureCaption(), QStringLiteral("Line %1: %2").arg(line.line).arg(error));
                return abandon();
            }
            if (outcome.blank && !adding) {
                ++result.skipped;
                if (result.skippedLines.size() < kNamedLines)
                    result.skippedLines.push_back(line.line);
            }
            for (const ImportCut& cut : outcome.cuts) {
                if (adding)
                    break;
                ++result.cut;
                if (result.cuts.size() < kNamedLines) {
                    result.cuts.push_back(cut);
                    result.cuts.back().line = line.line;
                }
            }
            if (!outcome.blank && adding) {
                if (!add()) {
                    fail(AddFailureCaption(mapping.Info()), QStringLiteral("Line %1: Error #%2 - %3")
                                                                 .arg(line.line)
                                                                 .arg(table.ErrorCode())
                                                                 .arg(table.Error()));
                    return abandon();
                }
                ++result.added;
            }
            if (!goOn(pass)) {
                result.added = 0;
                result.cancelled = true;
                return abandon();
            }
        }
        if (!reader.Error().isEmpty()) {
            result.added = 0;
            fail(LineFailureCaption(), reader.Error());
            return abandon();
        }
    }
    if (!table.Flush()) {
        result.added = 0;
        return tableFault();
    }
    result.ok = true;
    return result;
}

} // namespace vl
