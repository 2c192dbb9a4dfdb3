#include "core/config/ConfigStore.h"

#include <QDir>

#include "core/dictionary/Dictionary.h"
#include "platform/data/DataFileName.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

constexpr int kKeyWidth = 40;
constexpr int kValueWidth = 255;
constexpr int kSharedMode = AccessMode::kReadWrite | AccessMode::kDenyNone;
const char kErrorCaption[] = "Error!";
const char kBatchErrorText[] = "Error writing configuration information.  ";

// A damaged data file is told once, with the offer of its repair, by the
// data layer's notice (or the start's): no box of the store's beside it.
void ShowStoreError(const QString& text, const TableFile& table)
{
    if (table.ErrorCode() != kInvalidDataFile)
        Prompt::Message(text, QLatin1String(kErrorCaption), PromptIcon::Exclamation);
}

} // namespace

ConfigStore::ConfigStore(Table<ConfigurationRecord>& table, QString defaultIni)
    : table_(table), defaultIni_(std::move(defaultIni))
{
}

bool ConfigStore::Read(ConfigurationRecord& record, const QString& key)
{
    table_.Clear(record);
    record.DATATYPE = key;
    if (table_.Get(CF_KEYDATATYPE, record))
        return true;
    if (table_.ErrorCode() != kFileNotOpen)
        return false;
    // Opened shared, and created in a new data directory; it stays open.
    if (!table_.Open(kSharedMode, true))
        return false;
    table_.Clear(record);
    record.DATATYPE = key;
    return table_.Get(CF_KEYDATATYPE, record);
}

QString ConfigStore::Get(const QString& key, const std::optional<QString>& defaultValue,
                         const std::optional<QString>& iniFile)
{
    ConfigurationRecord record;
    if (Read(record, key))
        return Clip(record.DATAVALUE);

    if (table_.ErrorCode() == kRecordNotFound) {
        const IniFile ini(iniFile ? *iniFile : defaultIni_);
        const QString value = CutTo(
            ini.Get(QLatin1String(kSettingsSection), key, defaultValue.value_or(QString())), kValueWidth);
        // A blank value is not stored: the next call looks in the INI file again.
        if (!Clip(value).isEmpty()) {
            table_.Clear(record);
            record.DATATYPE = key;
            record.DATAVALUE = value;
            table_.Add(record); // a failure here only means it is looked up again next time
        }
        return Clip(value);
    }

    ShowStoreError(QStringLiteral("Error retrieving configuration information code  - ") +
                   PadTo(key, kKeyWidth) + QStringLiteral(" - ") + table_.Error(), table_);
    // What the caller would use when the setting had never been stored.
    return Clip(CutTo(defaultValue.value_or(QString()), kValueWidth));
}

void ConfigStore::Put(const QString& key, const QString& value)
{
    ConfigurationRecord record;
    bool written = false;
    if (Read(record, key)) {
        // An unchanged value is not written again: the start's own entries
        // then need no write access to a data file that is only read.
        if (Clip(record.DATAVALUE) == Clip(CutTo(value, kValueWidth)))
            return;
        record.DATAVALUE = value;
        written = table_.Put(record);
    } else if (table_.ErrorCode() == kRecordNotFound) {
        table_.Clear(record);
        record.DATATYPE = key;
        record.DATAVALUE = value;
        written = table_.Add(record);
    }
    if (!written) {
        ShowStoreError(QStringLiteral("Error writing configuration information.  Code ") + PadTo(key, kKeyWidth) +
                       QStringLiteral(" - ") + table_.Error(),
                       table_);
    }
}

bool ConfigStore::BeginBatch()
{
    bool started = table_.Stream();
    if (!started && table_.ErrorCode() == kFileNotOpen)
        started = table_.Open(kSharedMode, true) && table_.Stream();
    if (!started)
        ShowStoreError(QLatin1String(kBatchErrorText) + table_.Error(), table_);
    return started;
}

bool ConfigStore::EndBatch()
{
    if (table_.Flush())
        return true;
    ShowStoreError(QLatin1String(kBatchErrorText) + table_.Error(), table_);
    return false;
}

QString ProgramIniPath()
{
    return FindFileNoCase(QDir::currentPath(), QLatin1String(kProgramIniName));
}

QString GetConfigValue(const QString& key, const std::optional<QString>& defaultValue,
                       const std::optional<QString>& iniFile)
{
    ConfigStore store(Tables().Configuration, ProgramIniPath());
    return store.Get(key, defaultValue, iniFile);
}

void PutConfigValue(const QString& key, const QString& value)
{
    ConfigStore store(Tables().Configuration, ProgramIniPath());
    store.Put(key, value);
}

} // namespace vl
