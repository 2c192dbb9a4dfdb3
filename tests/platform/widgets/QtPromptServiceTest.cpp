#include "platform/widgets/QtPromptService.h"

#include "tests/platform/data/TestTables.h"
#include "tests/support/OtherProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vl {
namespace {

// Runs once the box is up (from inside its own event loop) and answers it.
void WhenTheBoxShows(const std::function<void(QMessageBox*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                return answer(box);
        }
        ADD_FAILURE() << "no message box is showing";
    });
}

QList<QAbstractButton*> ButtonsLeftToRight(QMessageBox* box)
{
    QList<QAbstractButton*> buttons = box->buttons();
    std::stable_sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    return buttons;
}

// The message boxes showing now.
QList<QMessageBox*> OpenBoxes()
{
    QList<QMessageBox*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            open << box;
    }
    return open;
}

TEST(QtPromptService, ShowsTheListInOrderAndAnswersTheNumberPressed)
{
    QtPromptService service;
    QStringList labels;
    QString text, caption, defaultLabel, escapeLabel;
    WhenTheBoxShows([&](QMessageBox* box) {
        const QList<QAbstractButton*> buttons = ButtonsLeftToRight(box);
        for (QAbstractButton* button : buttons)
            labels << button->text();
        text = box->text();
        caption = box->windowTitle();
        defaultLabel = box->defaultButton() ? box->defaultButton()->text() : QString();
        escapeLabel = box->escapeButton() ? box->escapeButton()->text() : QString();
        buttons.at(1)->click();
    });

    EXPECT_EQ(service.Message("Preview the report?|Or print it?", "Question", PromptIcon::Exclamation,
                              "&No|&Yes|Cancel", 3),
              2);
    // The program's own order, even where the platform would put Yes first.
    EXPECT_EQ(labels, QStringList({"&No", "&Yes", "Cancel"}));
    EXPECT_EQ(text, "Preview the report?\nOr print it?");
    EXPECT_EQ(caption, "Question");
    EXPECT_EQ(defaultLabel, "Cancel");
    EXPECT_EQ(escapeLabel, "Cancel");
}

TEST(QtPromptService, BlankListIsOneOkButton)
{
    QtPromptService service;
    QStringList labels;
    WhenTheBoxShows([&](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons())
            labels << button->text();
        box->buttons().at(0)->click();
    });
    EXPECT_EQ(service.Message("Nothing to Print.", "NOTE...", PromptIcon::Information, "", 0), 1);
    EXPECT_EQ(labels, QStringList({"OK"}));
}

TEST(QtPromptService, ANoticeWaitsForNobodyAndOpensOnceFromTheEventLoop)
{
    QtPromptService service;
    // No timer answers it: a box that waited would never return.
    service.Notify("Could not start x.|Check the task.", "Error Code 2", PromptIcon::Exclamation);
    service.Notify("Could not start x.|Check the task.", "Error Code 2", PromptIcon::Exclamation);
    EXPECT_TRUE(OpenBoxes().isEmpty()) << "opened from the event loop, not inside the caller";
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_EQ(OpenBoxes().size(), 1) << "the same notice still open is not opened twice";
    QMessageBox* box = OpenBoxes().at(0);
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_EQ(box->windowTitle(), "Error Code 2");
    EXPECT_EQ(box->text(), "Could not start x.\nCheck the task.");
    box->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(OpenBoxes().isEmpty()) << "closed and gone";
}

// The title bar holds the caption beside the window manager's icon and
// buttons: a box of a short text is wide enough for both.
TEST(QtPromptService, AShortTextLeavesRoomForTheWholeCaption)
{
    QtPromptService service;
    service.Notify("Backup complete.", "Information", PromptIcon::Information);
    QApplication::processEvents();
    ASSERT_EQ(OpenBoxes().size(), 1);
    QMessageBox* box = OpenBoxes().at(0);
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    const int buttons = 3 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box);
    EXPECT_GE(box->width(), QFontMetrics(title).horizontalAdvance("Information") + buttons);
    box->close();
}

// A text taller than the screen shows its first lines in the box and the
// whole of it in the details, so the box and its button stay on the screen.
TEST(QtPromptService, ANoticeOfManyLinesStaysOnTheScreen)
{
    QtPromptService service;
    QStringList lines;
    for (int line = 1; line <= 300; ++line)
        lines << QStringLiteral("Line %1 of the warning").arg(line);
    service.Notify(lines.join('|'), "Advanced Warning", PromptIcon::Information);
    QApplication::processEvents();
    ASSERT_EQ(OpenBoxes().size(), 1);
    QMessageBox* box = OpenBoxes().at(0);
    EXPECT_TRUE(box->text().startsWith("Line 1 of the warning\nLine 2 of"));
    EXPECT_TRUE(box->text().endsWith("\n..."));
    EXPECT_EQ(box->detailedText(), lines.join('\n'));
    const QRect area = box->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(box->frameGeometry())) << box->height() << " of " << area.height();
    box->grab().save("notice-long.png");
    box->close();
}

// Each kind of file dialog, opened on a folder that holds a data file the
// program has open, lists it (with its type and icon) and leaves the
// engine's locks held: another program still sees the file in use.
TEST(QtPromptService, FileDialogsListADataFileWithoutDroppingTheEnginesLocks)
{
    using namespace test;
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ItemRecord item = Item("kept");
    ASSERT_TRUE(items.Add(item));
    ASSERT_EQ(Walk(items, ITM_KEYNAME).size(), 1u);
    const QString folder = QDir::currentPath();
    QtPromptService prompt;
    const std::function<void()> dialogs[] = {
        [&] { prompt.OpenFile("Import File", "Data|*.*", folder); },
        [&] { prompt.SaveFile("Export File", "Data|*.*", folder + "/export.csv"); },
        [&] { prompt.OpenFiles("Files", "Data|*.*", folder); },
        [&] { prompt.SelectDirectory("Select data directory", folder); },
    };
    for (const auto& open : dialogs) {
        bool listed = false;
        // Closed once its list shows the data file, however long that takes.
        std::function<void()> look = [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                auto* model = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
                const QModelIndex file = model ? model->index(folder + "/TEST.TPS") : QModelIndex();
                if (file.isValid() && !model->fileIcon(file).isNull()) {
                    listed = model->type(file) == "TPS File" || model->isDir(file);
                    return dialog->reject();
                }
            }
            QTimer::singleShot(10, look);
        };
        QTimer::singleShot(0, look);
        open();
        EXPECT_TRUE(listed);
    }
    EXPECT_TRUE(test::LockedForOtherPrograms("TEST.TPS", 0x40000002, 510)) << "another program sees the file in use";
}

} // namespace
} // namespace vl
