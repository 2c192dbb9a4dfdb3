#pragma once
// ScriptVariables: the named values a script carries from one step to the
// next (set by "Set Value" steps and by the services that publish results,
// read back by bracketed keywords). One program-wide store that lives for the
// whole run; names are case-insensitive because they are kept upper case, and
// only their first 32 characters count. Steps of the interpreter and the mail
// senders' threads reach it at the same time, so every access is locked.

#include <QMap>
#include <QString>

#include <mutex>
#include <optional>

namespace vl {

inline constexpr int kScriptVariableNameWidth = 32;   // VAR:NAME STRING(32)
inline constexpr int kScriptVariableValueWidth = 255; // VAR:STRINGVALUE STRING(255)

// One entry (prefix VAR).
struct ScriptVariable {
    QString NAME;        // upper case, clipped, at most 32 characters
    QString STRINGVALUE; // clipped, at most 255 characters
    double VALUE = 0;    // the text read as a number, two decimal places
};

// A text read as a number the way a variable's VALUE is, as the runtime reads
// numbers back (blanks and grouping commas ignored, a leading or trailing
// sign), rounded to two decimal places; 0 for text that is not a number.
double ReadAsNumber(const QString& text);

class ScriptVariables {
public:
    // The stored form of a name: upper case, cut to 32, clipped.
    static QString KeyOf(const QString& name);

    // Stores the value under the name, replacing an entry of the same name.
    void Set(const QString& name, const QString& value);
    std::optional<ScriptVariable> Find(const QString& name) const;
    int Count() const;

private:
    mutable std::mutex mutex_;
    QMap<QString, ScriptVariable> entries_;
};

// The store the program uses; the one installed by a ScriptVariablesOverride
// when there is one.
ScriptVariables& CurrentScriptVariables();

// Installs a store for the lifetime of this object (tests), restoring the
// previous one afterwards.
class ScriptVariablesOverride {
public:
    explicit ScriptVariablesOverride(ScriptVariables& variables);
    ~ScriptVariablesOverride();
    ScriptVariablesOverride(const ScriptVariablesOverride&) = delete;
    ScriptVariablesOverride& operator=(const ScriptVariablesOverride&) = delete;

private:
    ScriptVariables* previous_;
};

} // namespace vl
