#pragma once
// Where a finished report goes once the user has chosen: the print preview
// (from which the user prints) or the printer. Tests install their own.

#include "platform/print/Report.h"
#include "platform/runtime/ServiceSlot.h"

class QWidget;

namespace vl {

class ReportDestination {
public:
    virtual ~ReportDestination() = default;
    virtual void Preview(const Report& report, const QString& windowKey, QWidget* parent) = 0;
    virtual void Print(const Report& report, QWidget* parent) = 0;
};

// The installed destination, else the preview and the print dialog.
ReportDestination& CurrentReportDestination();
using ReportDestinationOverride = ServiceOverride<ReportDestination>;

} // namespace vl
