// The program's viewer: the print preview shows every page of the report
// at the page's width in a window large enough to read it, and keeps its
// window's place under the report's window key, never a place too small.

#include "platform/print/PreviewPlace.h"
#include "platform/print/ReportOutput.h"
#include "platform/runtime/IniFile.h"
#include "platform/widgets/WindowPosition.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace vl {
namespace {

// File › Print Setup… opens Qt's page setup dialog; what it takes is kept,
// a cancel keeps the former choice.
TEST(ReportPreviewTest, PageSetupKeepsTheChoiceTaken)
{
    SetChosenPage(std::nullopt);
    for (const bool take : {false, true}) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = true;
            take ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(ChoosePageSetup(), take);
        EXPECT_TRUE(shown);
        EXPECT_EQ(CurrentChosenPage().has_value(), take);
    }
    EXPECT_TRUE(CurrentChosenPage()->page.isValid());
    SetChosenPage(std::nullopt);
}

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

TEST(ReportPreviewTest, PreviewOpensReadableAndKeepsNoUnusableSize)
{
    Report report;
    report.definition.title = "Sizes";
    report.definition.columns = {{"Line", 10}};
    report.rows.append({{"one"}, {}});
    const struct {
        QRect saved;
        bool restored; // opens at the saved place
    } cases[] = {{QRect(10, 10, 200, 112), false}, {QRect(20, 30, 600, 500), true}};
    for (const auto& c : cases) {
        IniFile ini(kPositionIniFile);
        WriteWindowPlace(ini, "PrintScheduleInBrief", c.saved);
        QSize opened;
        QRect at;
        QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            opened = preview->size();
            at = preview->geometry();
            zoom = preview->findChild<QPrintPreviewWidget*>()->zoomMode();
            preview->reject();
        });
        PreviewReport(report, "PrintScheduleInBrief");
        EXPECT_TRUE(UsablePreviewSize(opened)) << opened.width() << "x" << opened.height();
        EXPECT_EQ(zoom, QPrintPreviewWidget::FitToWidth);
        if (c.restored) {
            EXPECT_EQ(at.size(), c.saved.size());
        }
        const auto kept = ReadWindowPlace(IniFile(kPositionIniFile), "PrintScheduleInBrief");
        ASSERT_TRUE(kept.has_value());
        EXPECT_TRUE(UsablePreviewSize(kept->size())) << kept->width() << "x" << kept->height();
    }
    const QRect screen(0, 0, 1600, 1000);
    EXPECT_EQ(PreviewPlace(QRect(0, 0, 300, 900), screen, {screen}), QRect(200, 50, 1200, 900));
}

} // namespace
} // namespace vl
