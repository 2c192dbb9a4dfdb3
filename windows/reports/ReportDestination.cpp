#include "windows/reports/ReportDestination.h"

#include "platform/print/ReportOutput.h"

namespace vl {
namespace {

class PreviewOrPrinter : public ReportDestination {
public:
    void Preview(const Report& report, const QString& windowKey, QWidget* parent) override
    {
        PreviewReport(report, windowKey, parent);
    }
    void Print(const Report& report, QWidget* parent) override { PrintReport(report, parent); }
};

} // namespace

ReportDestination& CurrentReportDestination()
{
    static PreviewOrPrinter standard;
    return InstalledOr<ReportDestination>(standard);
}

} // namespace vl
