#pragma once
// Script items built from and shown as "Field=value" lists, so that a table
// of cases reads as the fields it sets and a failure shows what differs.

#include "core/dictionary/ScriptingRecord.h"

#include "platform/runtime/FixedText.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vl::test {

namespace detail {

using R = ScriptingRecord;
struct Field {
    const char* name;
    QString R::*text;
    int32_t R::*number;
};
inline const std::vector<Field> kFields{
    {"Keystrokes", &R::Keystrokes, nullptr},       {"SecondsToWait", nullptr, &R::SecondsToWait},
    {"WaitForWindow", &R::WaitForWindow, nullptr}, {"FocusOnWindow", &R::FocusOnWindow, nullptr},
    {"WindowExistance", &R::WindowExistance, nullptr}, {"WindowTitleToCheckFor", &R::WindowTitleToCheckFor, nullptr},
    {"IfTimeElapsed", &R::IfTimeElapsed, nullptr}, {"TimeElapsed", nullptr, &R::TimeElapsed},
    {"EmailID", nullptr, &R::EmailID},             {"Command", &R::Command, nullptr},
    {"Path", &R::Path, nullptr},                   {"DDEType", &R::DDEType, nullptr},
    {"DDEApplicationName", &R::DDEApplicationName, nullptr}, {"DDEApplicationTopic", &R::DDEApplicationTopic, nullptr},
    {"DDELinkItem", &R::DDELinkItem, nullptr},     {"DDECommand", &R::DDECommand, nullptr},
};

} // namespace detail
using detail::kFields;
using detail::Field;

// An item of the action with the fields of "Name=value|Name=value".
inline ScriptingRecord MakeItem(const QString& action, const QString& fields = QString())
{
    ScriptingRecord item;
    item.Action = action;
    for (const QString& pair : fields.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString name = pair.left(equals);
        const QString value = pair.mid(equals + 1);
        for (const Field& field : kFields) {
            if (name == QLatin1String(field.name)) {
                if (field.text)
                    item.*field.text = value;
                else
                    item.*field.number = value.toInt();
            }
        }
    }
    return item;
}

// The action and every field that is not blank or 0, in one line.
inline QString ItemFields(const ScriptingRecord& item)
{
    QStringList shown{Clip(item.Action)};
    for (const Field& field : kFields) {
        const QString value = field.text ? Clip(item.*field.text) : QString::number(item.*field.number);
        if (!value.isEmpty() && value != QLatin1String("0"))
            shown << QLatin1String(field.name) + QLatin1Char('=') + value;
    }
    return shown.join(QLatin1Char('|'));
}

} // namespace vl::test
