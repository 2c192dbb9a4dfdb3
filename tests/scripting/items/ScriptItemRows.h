#pragma once
// Script items written and read as a line of numbered letters: "1A 2B 5C" is
// item A under number 1, B under 2, C under 5 (the letter in Keystrokes).

#include "scripting/items/ScriptItemTables.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace vl::test {

template <class R>
void AddItems(Table<R>& table, int32_t owner, const QString& script)
{
    for (const QString& entry : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        R item;
        ScriptItemTable<R>::Owner(item) = owner;
        item.Sequence = entry.chopped(1).toInt();
        item.Keystrokes = entry.right(1);
        ASSERT_TRUE(table.Add(item));
    }
}

template <class R>
QString ScriptText(Table<R>& table, int32_t owner)
{
    std::vector<R> items;
    EXPECT_TRUE(ReadScriptItems(table, owner, items).Ok());
    QStringList script;
    for (const R& item : items)
        script << QString::number(item.Sequence) + item.Keystrokes;
    return script.join(QLatin1Char(' '));
}

} // namespace vl::test
