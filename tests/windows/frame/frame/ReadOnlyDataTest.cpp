// A data directory the user may not write: after the one box that says so,
// the frame opens its tables for reading and goes on; what it cannot store
// is refused with error 5, and no further box or stop follows.

#include "core/base/ProgramStop.h"
#include "core/startup/WritableDataDirectory.h"
#include "platform/data/Connection.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QDir>

namespace vl {
namespace {

// The answer of a user without write access (tests run as root, who may
// write anywhere).
class NoWriteAccess : public DataFileAccess {
public:
    bool MayWrite(const QString&) const override { return false; }
};

class ReadOnlyDataTest : public test::MainFrameFixture {};

TEST_F(ReadOnlyDataTest, TheFrameReadsItsTablesAndGoesOnAfterTheFirstBox)
{
    OpenFrame(); // a data directory in use
    frame.reset();
    Tables().CloseAll();
    ResetProgramStop();

    const NoWriteAccess noWrites;
    const DataFileAccessOverride useAccess(noWrites);
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    EXPECT_FALSE(CheckDataDirectoryWritable(prompt, QDir::currentPath()));
    OpenFrame();
    EXPECT_FALSE(ProgramStopRequested()) << ProgramStopReason().toStdString();
    for (int i = 0; i < 8; ++i)
        frame->TimerEvent();
    ASSERT_EQ(prompt.Questions().size(), 1u) << "only the box that says the directory cannot be written";
    EXPECT_EQ(prompt.Questions()[0].caption, "Data Directory Not Writable");
    EXPECT_TRUE(frame->windowTitle().endsWith(" (read-only)")) << "after the ticks' own titles too";

    CategoriesRecord category;
    category.Category = QStringLiteral("Not kept");
    EXPECT_FALSE(Tables().Categories.Add(category));
    EXPECT_EQ(Tables().Categories.ErrorCode(), kAccessDenied);
}

} // namespace
} // namespace vl
