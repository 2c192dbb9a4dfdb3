#include "core/settings/CommandLine.h"

#include <QCoreApplication>

namespace vl {

namespace {

// The arguments of an installed override; null: QCoreApplication's.
const QStringList* gOverride = nullptr;

} // namespace

bool HasCommandSwitch(const QStringList& arguments, const QString& switchText)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).trimmed().compare(switchText, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool CommandLineHas(const QString& switchText)
{
    if (gOverride)
        return HasCommandSwitch(*gOverride, switchText);
    return HasCommandSwitch(QCoreApplication::arguments(), switchText);
}

CommandLineOverride::CommandLineOverride(const QStringList& arguments)
    : previous_(gOverride), arguments_(arguments)
{
    gOverride = &arguments_;
}

CommandLineOverride::~CommandLineOverride()
{
    gOverride = previous_;
}

} // namespace vl
