#include "scripting/items/StartProgramOptions.h"

#include "platform/runtime/FixedText.h"
#include "scripting/items/ItemFieldRoles.h"

namespace vl {
namespace {

QChar Code(const QString& codes, int position)
{
    return position < codes.size() ? codes.at(position) : QChar();
}

QChar Flag(bool on) { return QLatin1Char(on ? '1' : '0'); }

} // namespace

StartOptions ReadStartOptions(const ScriptingRecord& item)
{
    const QString codes = StartCodes(item);
    StartOptions options;
    options.waitForEnd = Code(codes, 0).digitValue() > 0;
    const QChar priority = Code(codes, 1);
    if (priority == QLatin1Char('1'))
        options.priority = StartPriority::Low;
    else if (priority == QLatin1Char('3'))
        options.priority = StartPriority::High;
    for (const StartWindowModeName& mode : kStartWindowModes) {
        if (Code(codes, 2) == QLatin1Char(static_cast<char>(mode.mode)))
            options.windowMode = mode.mode;
    }
    options.translate = Code(codes, 3) == QLatin1Char('1');
    options.stopWaitingAfter = StopWaitingAfter(item);
    const QString verb = Clip(StartVerb(item));
    if (!verb.isEmpty())
        options.verb = verb;
    return options;
}

void WriteStartOptions(const StartOptions& options, ScriptingRecord& item)
{
    SetStartCodes(item, QString(Flag(options.waitForEnd)) + QLatin1Char(static_cast<char>(options.priority))
                            + QLatin1Char(static_cast<char>(options.windowMode)) + Flag(options.translate));
    SetStopWaitingAfter(item, options.stopWaitingAfter);
    SetStartVerb(item, options.verb);
}

} // namespace vl
