#pragma once
// The date formats the Options window offers, and the two-way mapping between
// a display text of its drop list and the picture code stored in the setting
// "DateFormat" (GlobalDateFormat), and storing the choice.

#include <QString>
#include <QStringList>

namespace vl {

// The ten texts of the drop list, in the order shown.
QStringList OfferedDateFormats();

// The code of a display text ("10/31/59" -> "d1"); also understands five
// texts that are not offered ("59/10", "1959/10", "10/59", "10/1959",
// "Year Only"). Empty for a text without a code.
QString DateFormatCode(const QString& displayText);

// The display text of a code ("d13" -> "10/59"); a code without a display
// text is shown as the code itself (clipped).
QString DateFormatDisplayText(const QString& code);

// Stores the date format shown as chosenText: its code goes into
// GlobalDateFormat and the store; a text without a code leaves the format as
// it was. When the text differs from shownText (what the window showed when
// it opened) the user is told first that open windows keep the old format.
void StoreDateFormat(const QString& chosenText, const QString& shownText);

} // namespace vl
