#pragma once
// A fresh data directory with the program's dictionary started, and helpers
// that read and write the Configuration table directly (not through the
// store under test).

#include "core/dictionary/Dictionary.h"
#include "core/base/Globals.h"
#include "platform/runtime/IniFile.h"

#include <gtest/gtest.h>

#include <QString>

#include <map>
#include <optional>

namespace vl::test {

class SettingsStoreFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        ASSERT_TRUE(OpenTable(Tables().Configuration)) << Tables().Configuration.LastError().Describe().toStdString();
    }

    void TearDown() override { DictionaryEnd(); }

    // Stores a setting as the program would find it in the table.
    void Store(const QString& key, const QString& value)
    {
        ConfigurationRecord record;
        record.DATATYPE = key;
        if (Tables().Configuration.Get(CF_KEYDATATYPE, record)) {
            record.DATAVALUE = value;
            ASSERT_TRUE(Tables().Configuration.Put(record));
        } else {
            record.DATAVALUE = value;
            ASSERT_TRUE(Tables().Configuration.Add(record));
        }
    }

    // The stored value of a setting; nothing when it has no record.
    std::optional<QString> Stored(const QString& key)
    {
        ConfigurationRecord record;
        record.DATATYPE = key;
        if (!Tables().Configuration.Get(CF_KEYDATATYPE, record))
            return std::nullopt;
        return record.DATAVALUE;
    }

    // Every stored setting by its name.
    std::map<QString, QString> AllStored()
    {
        std::map<QString, QString> all;
        Cursor<ConfigurationRecord> cursor(Tables().Configuration, FileOrder);
        ConfigurationRecord record;
        while (cursor.Next(record))
            all[record.DATATYPE] = record.DATAVALUE;
        return all;
    }

    IniFile programIni{ININame};
};

} // namespace vl::test
