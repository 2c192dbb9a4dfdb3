#include "platform/data/TableDeclaration.h"

#include "platform/runtime/FixedText.h"

#include <cmath>

namespace vl {

namespace {

[[noreturn]] void DeclarationError(const TableDef& def, const QString& what)
{
    qFatal("Table %s: %s", qPrintable(def.Label()), qPrintable(what));
}

// Integers wrap to the width of their type, as a store into the record would.
int64_t WrapInteger(FieldType type, int64_t value)
{
    switch (type) {
    case FieldType::Byte: return static_cast<uint8_t>(value);
    case FieldType::Short: return static_cast<int16_t>(value);
    case FieldType::UShort: return static_cast<uint16_t>(value);
    case FieldType::Long: return static_cast<int32_t>(value);
    case FieldType::ULong: return static_cast<uint32_t>(value);
    default: return value;
    }
}

} // namespace

bool FieldDef::IsText() const
{
    return type == FieldType::String || type == FieldType::CString || type == FieldType::Memo;
}

int FieldDef::TextWidth() const
{
    return type == FieldType::CString ? size - 1 : size;
}

KeyPart Descending(const char* field)
{
    KeyPart part(field);
    part.descending = true;
    return part;
}

int64_t TableDefBuilder::ToInteger(const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        return *i;
    if (const auto* d = std::get_if<double>(&value))
        return std::isfinite(*d) ? static_cast<int64_t>(std::llround(*d)) : 0;
    return std::get<QString>(value).trimmed().toLongLong();
}

double TableDefBuilder::ToReal(const FieldValue& value)
{
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* i = std::get_if<int64_t>(&value))
        return static_cast<double>(*i);
    return std::get<QString>(value).trimmed().toDouble();
}

QString TableDefBuilder::ToText(const FieldValue& value)
{
    if (const auto* s = std::get_if<QString>(&value))
        return *s;
    if (const auto* i = std::get_if<int64_t>(&value))
        return QString::number(*i);
    return QString::number(std::get<double>(value), 'g', 17);
}

FieldValue NormaliseValue(const FieldDef& field, const FieldValue& value)
{
    switch (field.type) {
    case FieldType::String:
        return Clip(CutTo(TableDefBuilder::ToText(value), field.TextWidth()));
    case FieldType::CString: {
        QString text = TableDefBuilder::ToText(value);
        const qsizetype terminator = text.indexOf(QChar(u'\0'));
        if (terminator >= 0)
            text.truncate(terminator);
        return Clip(CutTo(text, field.TextWidth()));
    }
    case FieldType::Memo:
        return CutTo(TableDefBuilder::ToText(value), field.TextWidth());
    case FieldType::Real:
        return TableDefBuilder::ToReal(value);
    case FieldType::Decimal: {
        const double scale = std::pow(10.0, field.places);
        const double real = TableDefBuilder::ToReal(value);
        return std::isfinite(real) ? std::round(real * scale) / scale : 0.0;
    }
    default:
        return WrapInteger(field.type, TableDefBuilder::ToInteger(value));
    }
}

QString TableDef::ColumnFor(const QString& fieldName) const
{
    const QString marker = prefix_ + QLatin1Char(':');
    if (fieldName.startsWith(marker, Qt::CaseInsensitive))
        return fieldName.mid(marker.size());
    return fieldName;
}

int TableDef::FieldIndex(const QString& name) const
{
    return fieldIndex_.value(name.toUpper(), -1);
}

int TableDef::KeyIndex(const QString& name) const
{
    return keyIndex_.value(name.toUpper(), -1);
}

QStringList TableDef::AlternateColumns(int field) const
{
    return alternates_.value(field);
}

void TableDef::ClearRecord(RecordBase& record) const
{
    for (const FieldDef& field : fields_) {
        if (field.IsText())
            field.set(record, QString());
        else if (field.type == FieldType::Real || field.type == FieldType::Decimal)
            field.set(record, 0.0);
        else
            field.set(record, int64_t{0});
    }
}

void TableDef::PrimeRecord(RecordBase& record) const
{
    ClearRecord(record);
    record.RecordPointer = 0;
    if (insertDefaults_)
        insertDefaults_(record);
}

std::optional<FieldCheckFailure> TableDef::Validate(const RecordBase& record) const
{
    for (const FieldCheck& check : checks_) {
        if (std::optional<QString> message = check.check(record))
            return FieldCheckFailure{fields_[check.field].name, *message};
    }
    return std::nullopt;
}

FieldValue TableDef::StoredValue(int field, const RecordBase& record) const
{
    const FieldDef& def = fields_[field];
    return NormaliseValue(def, def.get(record));
}

void TableDefBuilder::AddField(TableDef& def, const QString& name, FieldType type, int size, int places,
                               std::function<FieldValue(const RecordBase&)> get,
                               std::function<void(RecordBase&, const FieldValue&)> set)
{
    FieldDef field;
    field.name = name;
    field.column = def.ColumnFor(name);
    field.type = type;
    field.size = size;
    field.places = places;
    field.get = std::move(get);
    field.set = std::move(set);
    if (field.column.isEmpty())
        DeclarationError(def, QStringLiteral("a field without a name"));
    if ((field.IsText() && size <= 0) || (type == FieldType::CString && size < 2))
        DeclarationError(def, QStringLiteral("field %1 has no width").arg(name));
    const QString upperName = name.toUpper();
    const QString upperColumn = field.column.toUpper();
    if (def.fieldIndex_.contains(upperName) || def.fieldIndex_.contains(upperColumn))
        DeclarationError(def, QStringLiteral("field %1 declared twice").arg(name));
    const int index = static_cast<int>(def.fields_.size());
    def.fieldIndex_.insert(upperName, index);
    def.fieldIndex_.insert(upperColumn, index);
    def.fields_.push_back(std::move(field));
}

void TableDefBuilder::AddKey(TableDef& def, KeyRef key, const QString& description,
                             const std::vector<KeyPart>& parts, unsigned attributes)
{
    if (key.name == nullptr || parts.empty())
        DeclarationError(def, QStringLiteral("a key without a name or components"));
    KeyDef keyDef;
    keyDef.name = QString::fromLatin1(key.name);
    keyDef.description = description;
    keyDef.unique = (attributes & kUnique) != 0;
    keyDef.primary = (attributes & kPrimary) != 0;
    keyDef.autoNumber = (attributes & kAutoNumber) != 0;
    keyDef.caseSensitive = (attributes & kCaseSensitive) != 0;
    for (const KeyPart& part : parts) {
        const int field = def.FieldIndex(part.field);
        if (field < 0)
            DeclarationError(def, QStringLiteral("key %1 names the unknown field %2").arg(keyDef.name, part.field));
        KeyComponent component;
        component.field = field;
        component.descending = part.descending;
        component.noCase = def.fields_[field].IsText() && !keyDef.caseSensitive;
        keyDef.components.push_back(component);
    }
    if (keyDef.autoNumber) {
        const FieldDef& last = def.fields_[keyDef.components.back().field];
        if (last.IsText() || last.type == FieldType::Real || last.type == FieldType::Decimal)
            DeclarationError(def, QStringLiteral("auto-numbered key %1 must end in an integer field").arg(keyDef.name));
    }
    const QString upper = keyDef.name.toUpper();
    if (def.keyIndex_.contains(upper))
        DeclarationError(def, QStringLiteral("key %1 declared twice").arg(keyDef.name));
    def.keyIndex_.insert(upper, static_cast<int>(def.keys_.size()));
    def.keys_.push_back(std::move(keyDef));
}

void TableDefBuilder::AddRangeCheck(TableDef& def, const QString& field, int64_t low, int64_t high)
{
    const int index = def.FieldIndex(field);
    if (index < 0)
        DeclarationError(def, QStringLiteral("range check on the unknown field %1").arg(field));
    const FieldDef& fieldDef = def.fields_[index];
    // The field is named as the user knows it: without its table's prefix.
    const QString message = QStringLiteral("The value of %1 must be between %2 and %3.")
                                .arg(fieldDef.name.mid(fieldDef.name.indexOf(QLatin1Char(':')) + 1))
                                .arg(low)
                                .arg(high);
    auto get = fieldDef.get;
    def.checks_.push_back(FieldCheck{index, [get, low, high, message](const RecordBase& record) {
        const int64_t value = ToInteger(get(record));
        return value < low || value > high ? std::optional<QString>(message) : std::nullopt;
    }});
}

void TableDefBuilder::AddCheck(TableDef& def, const QString& field,
                               std::function<std::optional<QString>(const RecordBase&)> check)
{
    const int index = def.FieldIndex(field);
    if (index < 0)
        DeclarationError(def, QStringLiteral("check on the unknown field %1").arg(field));
    def.checks_.push_back(FieldCheck{index, std::move(check)});
}

void TableDefBuilder::AddAlternateName(TableDef& def, const QString& field, const QString& oldName)
{
    const int index = def.FieldIndex(field);
    if (index < 0)
        DeclarationError(def, QStringLiteral("alternate name for the unknown field %1").arg(field));
    def.alternates_[index].append(def.ColumnFor(oldName).toUpper());
}

void TableDefBuilder::SetInsertDefaults(TableDef& def, std::function<void(RecordBase&)> defaults)
{
    def.insertDefaults_ = std::move(defaults);
}

void TableDefBuilder::Finish(TableDef& def)
{
    if (def.fields_.empty())
        DeclarationError(def, QStringLiteral("no fields"));
    int primaries = 0;
    for (const KeyDef& key : def.keys_)
        primaries += key.primary ? 1 : 0;
    if (primaries > 1)
        DeclarationError(def, QStringLiteral("more than one primary key"));
}

} // namespace vl
