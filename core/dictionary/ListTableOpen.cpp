#include "core/dictionary/ListTableOpen.h"

#include "core/dictionary/Dictionary.h"

namespace vl {

void OpenListTable(TableFile& file)
{
    if (!OpenTable(file))
        file.MarkForUse();
}

} // namespace vl
