// The program's viewer: the print preview shows every page of the report
// and keeps its window's place under the report's window key.

#include "platform/print/ReportOutput.h"
#include "platform/runtime/IniFile.h"
#include "platform/widgets/WindowPosition.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ReportPreviewTest, PreviewShowsEveryPageAndKeepsItsPlace)
{
    Report report;
    report.definition.title = "Preview";
    report.definition.columns = {{"Line", 10}};
    for (int i = 0; i < 150; ++i)
        report.rows.append({{QString::number(i)}, {}});

    int pages = -1;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    PreviewReport(report, "PrintSomething");
    EXPECT_EQ(title, "Preview");
    EXPECT_GE(pages, 2);
    EXPECT_TRUE(ReadWindowPlace(IniFile(kPositionIniFile), "PrintSomething").has_value());
}

} // namespace
} // namespace vl
