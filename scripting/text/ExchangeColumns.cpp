// The columns of an exchange file line per action, and the whole file read
// and written.

#include "platform/runtime/DelimitedText.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/TextDecoding.h"
#include "scripting/items/NormalizeScriptItem.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/text/ExchangeFileText.h"
#include "scripting/text/ScriptExchange.h"

#include <QFile>
#include <QRegularExpression>

#include <array>
#include <limits>

namespace vl {
namespace {

namespace A = ScriptAction;
using R = ScriptingRecord;

constexpr int kColumns = 7;
constexpr int kTypeWidth = 20;

// One column's field: a text or a number of the item, or nothing.
struct Column {
    QString R::*text = nullptr;
    int32_t R::*number = nullptr;
};
constexpr Column T(QString R::*field) { return {field, nullptr}; }
constexpr Column N(int32_t R::*field) { return {nullptr, field}; }

struct ActionColumns {
    const char16_t* action;
    std::array<Column, 5> columns;
};

const std::array<ActionColumns, 16> kTable{{
    {A::CloseProgram, {T(&R::Command)}},
    {A::StartProgram, {T(&R::Command), T(&R::Path), T(&R::DDEApplicationName), N(&R::TimeElapsed),
                       T(&R::DDEApplicationTopic)}},
    {A::DisplayMessage, {T(&R::DDEApplicationName), T(&R::DDEApplicationTopic), N(&R::SecondsToWait),
                         T(&R::FocusOnWindow)}},
    {A::SendKeys, {T(&R::Keystrokes)}},
    {A::Dde, {T(&R::DDEType), T(&R::DDEApplicationName), T(&R::DDEApplicationTopic), T(&R::DDELinkItem),
              T(&R::DDECommand)}},
    {A::SetFocus, {T(&R::FocusOnWindow), T(&R::WaitForWindow)}},
    {A::Wait, {N(&R::SecondsToWait), T(&R::WaitForWindow), T(&R::DDEApplicationName), T(&R::FocusOnWindow)}},
    {A::IfWindow, {T(&R::WindowExistance), T(&R::WindowTitleToCheckFor), T(&R::FocusOnWindow)}},
    {A::IfTimeElapsed, {T(&R::IfTimeElapsed), N(&R::TimeElapsed)}},
    {A::EndIf, {}},
    {A::ExitScript, {}},
    {A::FileActions, {T(&R::DDEType), T(&R::Command), T(&R::Path), T(&R::DDEApplicationName),
                      T(&R::DDEApplicationTopic)}},
    {A::SendEmail, {N(&R::EmailID)}},
    {A::SetValue, {T(&R::Path), T(&R::Command)}},
    {A::IfValue, {T(&R::Command), T(&R::WindowTitleToCheckFor), T(&R::WaitForWindow)}},
    {A::StartScript, {T(&R::Command), T(&R::Path)}},
}};

// The table's row of a type as a file names it: any case; the older names,
// and the long DDE name however far it was cut, count as theirs.
const ActionColumns* Row(const QString& type)
{
    QString action = A::CanonicalAction(Clip(type));
    if (action.startsWith(QLatin1String("DDE ("), Qt::CaseInsensitive))
        action = QString::fromUtf16(A::Dde);
    for (const ActionColumns& row : kTable) {
        if (action.compare(QStringView(row.action), Qt::CaseInsensitive) == 0)
            return &row;
    }
    return nullptr;
}

bool IsComment(const QString& type)
{
    const QString clipped = Clip(type).trimmed();
    return clipped.isEmpty() || clipped.compare(QStringView(A::Comment), Qt::CaseInsensitive) == 0;
}

std::optional<int32_t> ReadNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

enum class Unpacked { Done, UnknownAction, BadNumber };

Unpacked Unpack(const QStringList& columns, R& item, QString* problem)
{
    item = R();
    item.Action = Clip(columns.value(0));
    const ActionColumns* row = Row(item.Action);
    if (!row)
        return Unpacked::UnknownAction;
    item.Action = QString::fromUtf16(row->action);
    for (int i = 0; i < static_cast<int>(row->columns.size()); ++i) {
        const Column& column = row->columns[i];
        const QString value = columns.value(i + 1);
        if (column.text) {
            item.*column.text = Clip(value);
        } else if (column.number) {
            const std::optional<int32_t> number = ReadNumber(value);
            if (!number) {
                if (problem)
                    *problem = QStringLiteral("column %1 holds no number: \"%2\"").arg(i + 2).arg(value);
                return Unpacked::BadNumber;
            }
            item.*column.number = *number;
        }
    }
    return Unpacked::Done;
}

ScriptFileContents Rejected(const QString& reason)
{
    ScriptFileContents contents;
    contents.error = reason;
    return contents;
}

} // namespace

std::optional<QStringList> PackScriptFields(const ScriptingRecord& item)
{
    const ActionColumns* row = Row(item.Action);
    if (!row)
        return std::nullopt;
    QStringList columns(kColumns);
    columns[0] = CutTo(QString::fromUtf16(row->action), kTypeWidth);
    for (int i = 0; i < static_cast<int>(row->columns.size()); ++i) {
        const Column& column = row->columns[i];
        if (column.text)
            columns[i + 1] = Clip(item.*column.text);
        else if (column.number)
            columns[i + 1] = QString::number(item.*column.number);
    }
    return columns;
}

bool UnpackScriptFields(const QStringList& columns, ScriptingRecord& item)
{
    return Unpack(columns, item, nullptr) == Unpacked::Done;
}

ScriptFileContents ReadScriptExchangeFile(const QString& path, const ProgressStep& progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Rejected(QStringLiteral("%1 cannot be opened: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Rejected(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    const std::optional<QString> text = DecodeText(bytes);
    if (!text)
        return Rejected(QStringLiteral("%1 cannot be read: %2").arg(path, DamagedTextReason()));
    const QStringList lines = text->split(kLineEnd);
    ScriptFileContents contents;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (progress && !progress(i, lines.size())) {
            ScriptFileContents stopped;
            stopped.cancelled = true;
            return stopped;
        }
        if (lines[i].trimmed().isEmpty())
            continue;
        const auto wrong = [&](const QString& problem) {
            return Rejected(QStringLiteral("%1, line %2: %3").arg(path).arg(i + 1).arg(problem));
        };
        const ExchangeLine line = ParseExchangeLine(lines[i]);
        if (!line.columns)
            return wrong(line.problem);
        if (line.columns->size() > kColumns)
            return wrong(QStringLiteral("%1 columns, at most %2").arg(line.columns->size()).arg(kColumns));
        const QString type = line.columns->value(0);
        if (IsComment(type))
            continue;
        ScriptingRecord item;
        QString problem;
        switch (Unpack(*line.columns, item, &problem)) {
        case Unpacked::UnknownAction:
            contents.unrecognized.append(Clip(type));
            continue;
        case Unpacked::BadNumber:
            return wrong(problem);
        case Unpacked::Done:
            NormalizeScriptItem(item);
            contents.items.push_back(item);
            break;
        }
    }
    contents.ok = true;
    return contents;
}

bool WriteScriptExchangeFile(const QString& path, const std::vector<ScriptingRecord>& items, QString* error,
                             const ProgressStep& progress)
{
    QList<QStringList> records;
    for (size_t i = 0; i < items.size(); ++i) {
        if (progress && !progress(int64_t(i), int64_t(items.size()))) {
            if (error)
                error->clear();
            return false;
        }
        if (std::optional<QStringList> columns = PackScriptFields(items[i]))
            records.append(*columns);
    }
    return WriteDelimitedFile(path, records, {}, error);
}

} // namespace vl
