// Figures of the report layer: the page layout of a grouped report of
// 10,000 lines, and a 1,000-line report painted into a PDF file.

#include "platform/print/ReportLayout.h"
#include "platform/print/ReportOutput.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

vl::Report Grouped(int lines)
{
    vl::Report report;
    report.definition.title = "Tasks";
    report.definition.columns = {{"Description", 40}, {"Category", 0}, {"Minutes", 8, Qt::AlignRight, vl::ColumnSummary::Sum}};
    report.definition.groups = {{"Category %1", "Total %1"}};
    report.definition.totalLabel = "Total";
    for (int i = 0; i < lines; ++i) {
        const QString category = QStringLiteral("Category %1").arg(i / 50);
        report.rows.append({{QStringLiteral("Task number %1 of the list").arg(i), category, QString::number(i % 90)},
                            {category}});
    }
    return report;
}

void BM_LayOutGroupedReport(benchmark::State& state)
{
    const vl::Report report = Grouped(10'000);
    for (auto _ : state) {
        const auto pages = vl::PaginateBands(vl::ReportBands(report), 60, [](const vl::ReportBand&) { return 1.0; }, {});
        benchmark::DoNotOptimize(pages.size());
    }
}
BENCHMARK(BM_LayOutGroupedReport)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State& state)
{
    const vl::Report report = Grouped(1'000);
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(vl::WriteReportPdf(report, dir.filePath("report.pdf")));
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

} // namespace
