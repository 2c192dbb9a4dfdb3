#pragma once
// Records the task tests build over and over: holidays and script items.

#include "core/dictionary/Dictionary.h"

#include <gtest/gtest.h>

namespace vl::test {

inline HolidaysRecord MakeHoliday(Date date, const char* name, const char* rule = "Annual")
{
    HolidaysRecord holiday;
    holiday.HolidayDate = date;
    holiday.Holiday = QString::fromLatin1(name);
    holiday.HOLIDAYTYPE = QString::fromLatin1(rule);
    return holiday;
}

// Adds items 1..count ("Wait") to the task's script.
inline void AddScriptItems(Table<ScriptingRecord>& scripting, int32_t taskId, int count)
{
    for (int sequence = 1; sequence <= count; ++sequence) {
        ScriptingRecord item;
        item.ID = taskId;
        item.Sequence = sequence;
        item.Action = "Wait";
        ASSERT_TRUE(scripting.Add(item));
    }
}

inline int CountScriptItems(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    int count = 0;
    ScriptingRecord item;
    scripting.Set(SCR_KEYID);
    while (scripting.Next(item))
        count += item.ID == taskId;
    return count;
}

} // namespace vl::test
