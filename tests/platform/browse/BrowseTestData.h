#pragma once
// The item table of the data layer's tests, filled for browse lists, and a
// second connection to it (another program changing the table).

#include "tests/platform/data/TestTables.h"

#include "platform/data/NoCaseCollation.h"

#include <SQLiteCpp/Database.h>

namespace vl::test {

// A connection of its own to the items' data file.
inline SQLite::Database OtherConnection()
{
    SQLite::Database db("TEST.TPS", SQLite::OPEN_READWRITE);
    RegisterNoCaseCollation(db.getHandle());
    return db;
}

// count items named N000001, N000002, ... (pointer = ID = number), in
// groups 0-9 by the number's last digit.
inline void AddNumberedItems(int count)
{
    SQLite::Database db = OtherConnection();
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(count) +
            ") INSERT INTO Items (ID, Name, Code, Grp, Seq, Flag, Date, Time, Priority, Alarm, Note)"
            " SELECT i, printf('N%06d', i), '', i % 10, i, 1, 80000 + i, 0, 5, '', '' FROM n");
}

inline QString Numbered(int number)
{
    return QStringLiteral("N%1").arg(number, 6, 10, QLatin1Char('0'));
}

} // namespace vl::test
