#pragma once
// The switches of the program's command line ("/I" starts the scheduler
// inactive, "/CONFIG" still allows the Options window then). A switch is
// present when one of the arguments after the program name is that text,
// regardless of case.

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr char kInactiveSwitch[] = "/I";
inline constexpr char kConfigSwitch[] = "/CONFIG";

// True when arguments (the program name first) carry the switch.
bool HasCommandSwitch(const QStringList& arguments, const QString& switchText);

// The same for the program's own command line.
bool CommandLineHas(const QString& switchText);

// Replaces the program's command line while it lives (tests), restoring the
// previous one afterwards.
class CommandLineOverride {
public:
    explicit CommandLineOverride(const QStringList& arguments);
    ~CommandLineOverride();
    CommandLineOverride(const CommandLineOverride&) = delete;
    CommandLineOverride& operator=(const CommandLineOverride&) = delete;

private:
    const QStringList* previous_;
    QStringList arguments_;
};

} // namespace vl
