#pragma once
// How a "Start Program" step starts its program, packed into the item (see
// ItemFieldRoles.h): four one-character codes (wait for the program's end
// "1"/"0"; priority "1" low, "2" normal, "3" high; window mode "1", "2",
// "3", "7", "8"; translate the command "1"/"0"), the seconds after which the
// wait stops, and the verb the program is started with.

#include "core/dictionary/ScriptingRecord.h"

#include <QString>

#include <array>

namespace vl {

enum class StartPriority : char { Low = '1', Normal = '2', High = '3' };

enum class StartWindowMode : char {
    Focus = '1',             // start and give focus
    MinimizedFocus = '2',
    MaximizedFocus = '3',
    MinimizedNoFocus = '7',
    NoFocus = '8',
};

struct StartWindowModeName {
    StartWindowMode mode;
    const char* text;
};
inline constexpr std::array<StartWindowModeName, 5> kStartWindowModes{{
    {StartWindowMode::Focus, "Start and give focus"},
    {StartWindowMode::MinimizedFocus, "Start minimized with focus"},
    {StartWindowMode::MaximizedFocus, "Start maximized with focus"},
    {StartWindowMode::MinimizedNoFocus, "Start minimized without focus"},
    {StartWindowMode::NoFocus, "Start without focus"},
}};

inline constexpr std::array<const char*, 7> kStartVerbs{"Open", "View", "Print", "Edit", "Play", "Find", "Explore"};

struct StartOptions {
    bool waitForEnd = false;
    StartPriority priority = StartPriority::Normal;
    StartWindowMode windowMode = StartWindowMode::Focus;
    bool translate = false;
    int32_t stopWaitingAfter = 0; // seconds
    QString verb = QStringLiteral("Open");
};

// The options an item holds; unknown codes read as the defaults (no wait,
// normal priority, start and give focus, no translation), a blank verb as
// "Open".
StartOptions ReadStartOptions(const ScriptingRecord& item);
// Writes the four codes (the rest of their field blank), the seconds and
// the verb.
void WriteStartOptions(const StartOptions& options, ScriptingRecord& item);

} // namespace vl
