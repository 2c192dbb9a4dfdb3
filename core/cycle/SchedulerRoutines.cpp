#include "core/cycle/SchedulerRoutines.h"

namespace vl {

SchedulerRoutines& TickRoutines()
{
    static SchedulerRoutines routines;
    return routines;
}

} // namespace vl
