#include "windows/tasks/TaskForm.h"

namespace vl {

TaskFormOpener& TaskForm()
{
    static TaskFormOpener opener;
    return opener;
}

} // namespace vl
