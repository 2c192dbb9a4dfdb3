#include "scripting/ScriptVariables.h"

#include "platform/runtime/FixedText.h"
#include "platform/runtime/PictureDecimal.h"

namespace vl {
namespace {

ScriptVariables* gOverride = nullptr;

} // namespace

double ReadAsNumber(const QString& text)
{
    // Rounded as decimal digits, half away from zero, so "12.345" is 12.35.
    const std::optional<Picture::Decimal> number = Picture::ReadDecimal(text);
    return number ? number->RoundedTo(2).ToText().toDouble() : 0;
}

QString ScriptVariables::KeyOf(const QString& name)
{
    return Clip(CutTo(name, kScriptVariableNameWidth).toUpper());
}

void ScriptVariables::Set(const QString& name, const QString& value)
{
    ScriptVariable entry;
    entry.NAME = KeyOf(name);
    entry.STRINGVALUE = Clip(CutTo(value, kScriptVariableValueWidth));
    entry.VALUE = ReadAsNumber(entry.STRINGVALUE);
    const std::lock_guard lock(mutex_);
    entries_.insert(entry.NAME, entry);
}

std::optional<ScriptVariable> ScriptVariables::Find(const QString& name) const
{
    const QString key = KeyOf(name);
    const std::lock_guard lock(mutex_);
    const auto found = entries_.constFind(key);
    if (found == entries_.cend())
        return std::nullopt;
    return *found;
}

int ScriptVariables::Count() const
{
    const std::lock_guard lock(mutex_);
    return static_cast<int>(entries_.size());
}

ScriptVariables& CurrentScriptVariables()
{
    if (gOverride)
        return *gOverride;
    // Never destroyed: threads still finishing at exit may publish a result.
    static ScriptVariables* program = new ScriptVariables;
    return *program;
}

ScriptVariablesOverride::ScriptVariablesOverride(ScriptVariables& variables) : previous_(gOverride)
{
    gOverride = &variables;
}

ScriptVariablesOverride::~ScriptVariablesOverride() { gOverride = previous_; }

} // namespace vl
