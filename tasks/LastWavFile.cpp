#include "tasks/LastWavFile.h"

#include "core/config/ConfigStore.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"

namespace vl {

void OfferLastWavFile(ScheduleRecord& task, WavFileStore store)
{
    const QString key = QLatin1String(kLastWavFileKey);
    const QString file = Clip(task.AlarmFile);
    if (store == WavFileStore::Configuration) {
        if (file.isEmpty())
            task.AlarmFile = GetConfigValue(key, QString());
        else
            PutConfigValue(key, file);
        return;
    }
    IniFile ini(ProgramIniPath());
    if (file.isEmpty())
        task.AlarmFile = ini.Get(QLatin1String(kSettingsSection), key);
    else
        ini.Put(QLatin1String(kSettingsSection), key, file);
}

} // namespace vl
