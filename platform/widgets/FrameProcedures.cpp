#include "platform/widgets/FrameProcedures.h"

#include "platform/widgets/ThreadRegistry.h"

namespace vl {

void FrameProcedures::RegisterWindow(const QString& name, WindowFactory create)
{
    entries_[name] = Entry{std::move(create), {}};
    emit Changed();
}

void FrameProcedures::RegisterModal(const QString& name, ModalProcedure run)
{
    entries_[name] = Entry{{}, std::move(run)};
    emit Changed();
}

void FrameProcedures::Unregister(const QString& name)
{
    if (entries_.erase(name) > 0)
        emit Changed();
}

bool FrameProcedures::Has(const QString& name) const
{
    return entries_.count(name) > 0;
}

bool FrameProcedures::Start(const QString& name, QWidget* frame) const
{
    const auto it = entries_.find(name);
    if (it == entries_.end())
        return false;
    // Copies: a procedure may register or unregister others while it runs.
    const Entry entry = it->second;
    if (entry.run)
        entry.run(frame);
    else
        Threads().StartProcedure(name, entry.create);
    return true;
}

FrameProcedures& Procedures()
{
    static FrameProcedures procedures;
    return procedures;
}

} // namespace vl
