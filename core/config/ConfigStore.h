#pragma once
// The configuration store: settings are name/value pairs in the
// Configuration table. A setting not stored yet is looked up in section
// "Settings" of an INI file (the program INI file, vlmr.INI in the data
// directory, unless another is named) and, when found there, stored in the
// table, so that the next read finds it there.
//
// Names compare without regard to case. Values come back clipped of trailing
// blanks; a setting found nowhere gives the default (blank when none).
// Used on the GUI thread, like the program-wide file objects.

#include <optional>

#include <QString>

#include "core/base/Globals.h"
#include "core/dictionary/ConfigurationRecord.h"
#include "platform/data/Table.h"

namespace vl {


class ConfigStore {
public:
    // table: the Configuration file object to work through (opened shared
    // when it is not open, and left open); defaultIni: the INI file consulted
    // when a call names none.
    ConfigStore(Table<ConfigurationRecord>& table, QString defaultIni);

    QString Get(const QString& key, const std::optional<QString>& defaultValue = std::nullopt,
                const std::optional<QString>& iniFile = std::nullopt);
    void Put(const QString& key, const QString& value);

    // A batch of writes committed together: BeginBatch takes the table's
    // write lock (opening it as Get does), EndBatch commits. A failure of
    // either is shown as a failed write and returns false; nothing of the
    // batch is stored then.
    bool BeginBatch();
    bool EndBatch();

private:
    bool Read(ConfigurationRecord& record, const QString& key);

    Table<ConfigurationRecord>& table_;
    QString defaultIni_;
};

// The program INI file: vlmr.INI in the current (data) directory, its name
// matched without regard to case.
QString ProgramIniPath();

// The program's store: the dictionary's Configuration table and the program
// INI file.
QString GetConfigValue(const QString& key, const std::optional<QString>& defaultValue = std::nullopt,
                       const std::optional<QString>& iniFile = std::nullopt);
void PutConfigValue(const QString& key, const QString& value);

} // namespace vl
