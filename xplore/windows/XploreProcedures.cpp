#include "xplore/windows/XploreProcedures.h"

namespace vl {

void XploreProcedures::Register(const QString& name, Procedure run)
{
    procedures_[name] = std::move(run);
}

void XploreProcedures::Unregister(const QString& name)
{
    procedures_.erase(name);
}

bool XploreProcedures::Has(const QString& name) const
{
    return procedures_.count(name) > 0;
}

bool XploreProcedures::Run(const QString& name, Xplore& list, const QString& argument) const
{
    const auto it = procedures_.find(name);
    if (it == procedures_.end())
        return false;
    // A copy: the procedure may register or unregister others while it runs.
    const Procedure run = it->second;
    run(list, argument);
    return true;
}

XploreProcedures& XploreWindowProcedures()
{
    static XploreProcedures procedures;
    return procedures;
}

} // namespace vl
