#include "scheduler/options/DateFormatChoice.h"

#include "core/config/ConfigStore.h"
#include "core/base/Globals.h"
#include "core/settings/SettingKeys.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

struct DateFormatPair {
    const char* text;
    const char* code;
};

// Every display text with its code; the first ten are offered, in the order
// of the drop list; the last five are only understood.
constexpr DateFormatPair kDateFormats[] = {
    {"Windows Default", "d17"},
    {"October 31, 1959", "d4"},
    {"OCT 31,1959", "d3"},
    {"10/31/59", "d1"},
    {"10/31/1959", "d2"},
    {"31 OCT 59", "d7"},
    {"31 OCT 1959", "d8"},
    {"31/10/59", "d5"},
    {"31/10/1959", "d6"},
    {"Windows Default 2", "d18"},
    {"59/10", "d15"},
    {"1959/10", "d16"},
    {"10/59", "d13"},
    {"10/1959", "d14"},
    {"Year Only", "n4b"},
};
constexpr int kOfferedCount = 10;

constexpr char kFormatChangedText[] =
    "Date format changes will not affect currently open windows.  You can close and re-open windows, or exit and "
    "restart Velmora to view information using the new date format.";
constexpr char kFormatChangedCaption[] = "Information";

} // namespace

QStringList OfferedDateFormats()
{
    QStringList texts;
    for (int i = 0; i < kOfferedCount; ++i)
        texts << QLatin1String(kDateFormats[i].text);
    return texts;
}

QString DateFormatCode(const QString& displayText)
{
    const QString text = Clip(displayText);
    for (const DateFormatPair& pair : kDateFormats) {
        if (text == QLatin1String(pair.text))
            return QLatin1String(pair.code);
    }
    return {};
}

QString DateFormatDisplayText(const QString& code)
{
    const QString clipped = Clip(code);
    for (const DateFormatPair& pair : kDateFormats) {
        if (clipped.compare(QLatin1String(pair.code), Qt::CaseInsensitive) == 0)
            return QLatin1String(pair.text);
    }
    return clipped;
}

void StoreDateFormat(const QString& chosenText, const QString& shownText)
{
    if (Clip(chosenText) != Clip(shownText))
        Prompt::Message(QLatin1String(kFormatChangedText), QLatin1String(kFormatChangedCaption),
                        PromptIcon::Information);
    const QString code = DateFormatCode(chosenText);
    if (!code.isEmpty())
        GlobalDateFormat = code;
    PutConfigValue(QLatin1String(SettingKey::DateFormat), GlobalDateFormat);
}

} // namespace vl
