#include "core/settings/SettingValues.h"

#include "platform/runtime/FixedText.h"

#include <pwd.h>
#include <unistd.h>

#include <cmath>
#include <limits>

namespace vl {

namespace {

constexpr int kUserIdWidth = 30;
constexpr int32_t kMinimumDelay = 25;
constexpr uint8_t kDefaultBurstSize = 7;
constexpr int32_t kMinimumAlarmInterval = 5;

int32_t ToInt32(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value); // the whole part
}

} // namespace

int32_t SettingNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qlonglong whole = trimmed.toLongLong(&ok);
    if (ok)
        return ToInt32(static_cast<double>(whole));
    const double number = trimmed.toDouble(&ok);
    return ok ? ToInt32(number) : 0;
}

uint8_t SettingByte(const QString& text)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(SettingNumber(text)) & 0xFFu);
}

uint8_t InvertedFlag(const QString& stored)
{
    return SettingByte(stored) == 0 ? 1 : 0;
}

QString SettingText(int32_t value)
{
    return QString::number(value);
}

int32_t NormalScriptingDelay(int32_t delay)
{
    return delay < kMinimumDelay ? kMinimumDelay : delay;
}

uint8_t NormalBurstSize(int32_t burstSize)
{
    // A BYTE would wrap 263 to 7 by accident and 256 to 0: out of range is
    // treated like 0.
    if (burstSize <= 0 || burstSize > 255)
        return kDefaultBurstSize;
    return static_cast<uint8_t>(burstSize);
}

int32_t NormalAlarmInterval(int32_t seconds)
{
    return seconds != 0 && seconds < kMinimumAlarmInterval ? kMinimumAlarmInterval : seconds;
}

QString CurrentLoginName()
{
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) != 0 || !found || !found->pw_name)
        return {};
    return CutTo(QString::fromLocal8Bit(found->pw_name), kUserIdWidth);
}

} // namespace vl
