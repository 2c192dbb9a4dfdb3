#include "platform/query/QueryValue.h"

#include "platform/runtime/Picture.h"

#include <algorithm>

namespace vl {

namespace {

// A number as typed: blanks and grouping commas are no part of it.
bool ReadNumber(const QString& input, QString& stored)
{
    QString digits = input;
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char(','));
    bool ok = false;
    digits.toDouble(&ok);
    if (ok)
        stored = digits;
    return ok;
}

} // namespace

bool QueryValueFromInput(const QueryField& field, const QString& input, QString& stored, QString& error)
{
    if (field.IsText()) {
        stored = input;
        for (const QueryChoice& choice : field.choices) {
            if (choice.shown == input)
                stored = choice.stored;
        }
        return true;
    }
    const QString text = input.trimmed();
    const Picture::Kind kind = Picture::Parse(field.picture).kind;
    if (text.isEmpty()) {
        stored = QStringLiteral("0");
        return true;
    }
    if (kind == Picture::Kind::Date || kind == Picture::Kind::Time) {
        const bool isDate = kind == Picture::Kind::Date;
        const qint64 value = isDate ? Picture::DeformatDate(text, field.picture)
                                    : Picture::DeformatTime(text, field.picture);
        if (value <= 0) {
            error = QStringLiteral("%1: \"%2\" is not a %3 (for example %4)")
                        .arg(field.prompt, input, isDate ? QStringLiteral("date") : QStringLiteral("time"),
                             Picture::Format(isDate ? qint64(81000) : qint64(5400001), field.picture).trimmed());
            return false;
        }
        stored = QString::number(value);
        return true;
    }
    if (!ReadNumber(text, stored)) {
        error = QStringLiteral("%1: \"%2\" is not a number").arg(field.prompt, input);
        return false;
    }
    return true;
}

QString QueryValueShown(const QueryField& field, const QString& stored)
{
    if (field.IsText()) {
        for (const QueryChoice& choice : field.choices) {
            if (choice.stored == stored)
                return choice.shown;
        }
        return stored;
    }
    const Picture::Kind kind = Picture::Parse(field.picture).kind;
    if (kind == Picture::Kind::Date || kind == Picture::Kind::Time)
        return Picture::Format(stored.toLongLong(), field.picture).trimmed();
    return stored;
}

bool CheckQueryOperator(const QueryField& field, QueryOperator op, QString& error)
{
    const auto ops = OperatorsFor(field);
    if (std::find(ops.begin(), ops.end(), op) != ops.end())
        return true;
    error = QStringLiteral("%1 cannot be compared that way").arg(field.prompt);
    return false;
}

bool CheckQueryCondition(const QueryCatalogue& catalogue, const QueryCondition& condition, QString& error)
{
    const QueryField* field = catalogue.Find(condition.field);
    if (!field) {
        error = QStringLiteral("The field %1 is not one a query can test").arg(condition.field);
        return false;
    }
    if (!CheckQueryOperator(*field, condition.op, error))
        return false;
    if (!TakesOperand(condition.op))
        return true;
    switch (condition.operand) {
    case QueryOperand::Value: {
        QString stored;
        if (field->IsText() || ReadNumber(condition.value, stored))
            return true;
        error = QStringLiteral("%1: \"%2\" is not a number").arg(field->prompt, condition.value);
        return false;
    }
    case QueryOperand::Field: {
        const QueryField* other = catalogue.Find(condition.value);
        if (!other) {
            error = QStringLiteral("%1 is compared with %2, which is not a field a query can test")
                        .arg(field->prompt, condition.value);
            return false;
        }
        if (other->IsText() != field->IsText()) {
            error = QStringLiteral("%1 and %2 cannot be compared: one is a text, the other a number")
                        .arg(field->prompt, other->prompt);
            return false;
        }
        return true;
    }
    case QueryOperand::Expression:
        if (condition.value.trimmed().isEmpty()) {
            error = QStringLiteral("%1 is compared with an empty expression").arg(field->prompt);
            return false;
        }
        return true;
    }
    return true;
}

} // namespace vl
