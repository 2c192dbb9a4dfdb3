#include "xplore/ListPrintFit.h"

namespace vl {

int ColumnPadding(const XploreColumn& column)
{
    int padding = 1;
    if (column.dataJust == u'L' || column.dataJust == u'R')
        padding += column.dataOffset;
    else if (column.dataJust == u'D')
        padding += 1;
    if (column.hasIcon)
        padding += 11;
    return padding;
}

} // namespace vl
