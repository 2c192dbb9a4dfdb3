#include "platform/query/QueryCatalogue.h"

#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"

#include <algorithm>

namespace vl {

namespace {

const QChar kEntrySeparator(0x00AB);
const QChar kColumnSeparator(0x00A6);
constexpr int kColumns = 9;

const char kInitFailed[] = "An error has prevented the Query Wizard from initializing.";
const char kInitFailedCaption[] = "Query Wizard Error# ";

std::vector<QueryChoice> Choices(const QString& list)
{
    std::vector<QueryChoice> choices;
    for (const QString& item : list.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals < 0)
            choices.push_back({item, item});
        else
            choices.push_back({item.left(equals), item.mid(equals + 1)});
    }
    return choices;
}

} // namespace

bool QueryCatalogue::Fail(int code, const QString& message)
{
    errorCode_ = code;
    error_ = message;
    return false;
}

bool QueryCatalogue::Parse(const QString& text)
{
    QStringList entries = text.split(kEntrySeparator);
    while (!entries.isEmpty() && entries.last().trimmed().isEmpty())
        entries.removeLast();
    if (entries.isEmpty())
        return Fail(1, QStringLiteral("The field catalogue has no entries"));
    std::vector<QueryField> fields;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QStringList columns = entries[i].split(kColumnSeparator);
        if (columns.size() == kColumns + 1 && columns.last().isEmpty())
            columns.removeLast();
        const QString where = QStringLiteral("Entry %1 of the field catalogue").arg(i + 1);
        const auto wrong = [&](int code, int column, const char* what, const char* rule) {
            return Fail(code, QStringLiteral("%1 (%2): the %3 \"%4\" is %5")
                                  .arg(where, columns[2].trimmed(), QLatin1String(what), columns[column],
                                       QLatin1String(rule)));
        };
        if (columns.size() != kColumns)
            return Fail(2, QStringLiteral("%1 has %2 columns, not %3").arg(where).arg(columns.size()).arg(kColumns));
        QueryField field;
        field.prompt = columns[0].trimmed();
        field.field = columns[2].trimmed();
        field.picture = columns[3].trimmed();
        if (field.prompt.isEmpty() || field.field.isEmpty())
            return Fail(3, QStringLiteral("%1 has no prompt or no field name").arg(where));
        bool ok = false;
        field.size = columns[4].trimmed().toInt(&ok);
        if (!ok || field.size <= 0)
            return wrong(4, 4, "size", "not a number");
        const int kind = columns[5].trimmed().toInt(&ok);
        if (!ok || kind < 1 || kind > 2)
            return wrong(5, 5, "kind", "neither 1 nor 2");
        field.kind = static_cast<QueryFieldKind>(kind);
        const int input = columns[6].trimmed().toInt(&ok);
        if (!ok || input < 1 || input > 3)
            return wrong(6, 6, "input", "not 1, 2 or 3");
        field.input = static_cast<QueryInput>(input);
        if (field.input == QueryInput::Choice)
            field.choices = Choices(columns[8]);
        else if (field.input == QueryInput::CheckBox)
            field.checkLabel = columns[8].trimmed();
        fields.push_back(std::move(field));
    }
    fields_ = std::move(fields);
    errorCode_ = 0;
    error_.clear();
    return true;
}

int QueryCatalogue::IndexOf(const QString& field) const
{
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].field.compare(field.trimmed(), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

const QueryField* QueryCatalogue::Find(const QString& field) const
{
    const int index = IndexOf(field);
    return index < 0 ? nullptr : &fields_[static_cast<size_t>(index)];
}

void QueryCatalogue::Keep(const std::function<bool(const QueryField&)>& usable)
{
    fields_.erase(std::remove_if(fields_.begin(), fields_.end(), [&](const QueryField& f) { return !usable(f); }),
                  fields_.end());
}

void QueryCatalogue::UseDatePicture(const QString& picture)
{
    if (Picture::Parse(picture).kind != Picture::Kind::Date)
        return;
    for (QueryField& field : fields_) {
        if (Picture::Parse(field.picture).kind == Picture::Kind::Date)
            field.picture = picture;
    }
}

bool OpenQueryCatalogue(const QString& text, QueryCatalogue& catalogue)
{
    if (catalogue.Parse(text))
        return true;
    Prompt::Message(QString::fromLatin1(kInitFailed) + QLatin1Char('|') + catalogue.Error(),
                    QString::fromLatin1(kInitFailedCaption) + QString::number(catalogue.ErrorCode()),
                    PromptIcon::Stop);
    return false;
}

} // namespace vl
