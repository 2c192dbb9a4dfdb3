#include "platform/process/ExecutableDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ExecutableDirectory, IsTheFolderOfTheRunningTestProgram)
{
    // Test programs are built into the "tests" folder beside "bin".
    const QString binDir = qEnvironmentVariable("VL_BIN_DIR");
    if (!binDir.isEmpty()) {
        EXPECT_EQ(ExecutableDirectory(), QDir(binDir + "/../tests").canonicalPath());
    }
    EXPECT_TRUE(QFileInfo(ExecutableDirectory() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                    .isExecutable());
    EXPECT_EQ(CompanionProgramPath("Pivra"), ExecutableDirectory() + "/Pivra");
}

} // namespace
} // namespace vl
