#pragma once
// "Print All" and "Print Page" of an Xplore list: the columns shown, as
// wide as their widest text and at the largest font size that fits them all
// on the page's width, under a header of the list's caption, the date and
// time, the font, the number of rows and the order. "View" prints every row
// of the list in its order and filters, with the totals of the columns that
// add up, and shows it in the preview first; "Page" prints the rows on
// screen straight to the printer, without totals. Any other mode prints
// nothing. A list that cannot be read is reported and nothing is printed.

#include "platform/print/Report.h"
#include "platform/runtime/ServiceSlot.h"

#include <QString>

class QWidget;

namespace vl {

class Xplore;

inline constexpr char kPrintAllMode[] = "View";
inline constexpr char kPrintPageMode[] = "Page";

// Where a printed list goes: the preview, from which the user prints with
// the copies chosen there, or the printer chosen in the print dialog.
class ListPrintOutput {
public:
    virtual ~ListPrintOutput() = default;
    virtual void Preview(const Report& report, const QString& windowKey, QWidget* parent) = 0;
    // False when cancelled or failed (a failure is reported where it happens).
    virtual bool Print(const Report& report, QWidget* parent) = 0;
};

ListPrintOutput& CurrentListPrintOutput();
using ListPrintOutputOverride = ServiceOverride<ListPrintOutput>;

// The printed list as a report, for a mode; false for another mode, or when
// the list could not be read (`error` then says why).
bool BuildPrintedList(Xplore& list, const QString& mode, Report& report, QString& error);

void PrintList(Xplore& list, const QString& mode);

} // namespace vl
