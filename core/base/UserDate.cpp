#include "core/base/UserDate.h"

#include "core/base/Globals.h"
#include "platform/runtime/Picture.h"

namespace vl {

QString UserDatePicture()
{
    // Characters 2 and 3 hold the number ("d3", "d12").
    bool isNumber = false;
    const int number = GlobalDateFormat.mid(1, 2).trimmed().toInt(&isNumber);
    return QStringLiteral("@d%1").arg(isNumber && number >= 1 && number <= 18 ? number : 3);
}

QString FormatUserDate(Date date)
{
    if (date == 0)
        return {};
    return Picture::Format(date, UserDatePicture());
}

} // namespace vl
