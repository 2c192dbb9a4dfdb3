#include "message/MessageSettings.h"

#include "core/base/Globals.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingValues.h"
#include "message/MessageProgramTables.h"
#include "platform/runtime/FixedText.h"

namespace vl {

namespace {

constexpr int kTextWidth = 255;
constexpr int kOrganizationWidth = 20;

} // namespace

QString ReadConfigValue(Table<ConfigurationRecord>& configuration, const QString& key)
{
    if (!configuration.IsOpen() && !OpenShared(configuration))
        return {};
    ConfigurationRecord record;
    record.DATATYPE = key;
    if (!configuration.Get(CF_KEYDATATYPE, record))
        return {};
    return Clip(record.DATAVALUE);
}

void LoadMessageSettings(Table<ConfigurationRecord>& configuration)
{
    namespace K = SettingKey;
    const auto text = [&](const char* key, int width) {
        return CutTo(ReadConfigValue(configuration, QLatin1String(key)), width);
    };
    const auto number = [&](const char* key) { return SettingNumber(text(key, kTextWidth)); };
    UseModalMessage = number(K::UseModalMessage) != 0 ? 1 : 0;
    RepeatAlarmInterval = number(K::RepeatAlarmInterval);
    SnoozeInterval = number(K::SnoozeInterval);
    MaxAlarmTime = number(K::MaxAlarmTime);
    Email::Sender = text(K::Sender, kTextWidth);
    Email::SenderName = text(K::SenderName, kTextWidth);
    Email::Host = text(K::Host, kTextWidth);
    Email::Organization = text(K::Org, kOrganizationWidth);
}

} // namespace vl
