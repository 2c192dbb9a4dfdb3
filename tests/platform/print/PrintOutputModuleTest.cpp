// The print module loads from the first folder that has it; without it,
// the message names the missing file and where it was looked for.

#include "platform/print/PrintOutputModule.h"
#include "tests/support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(PrintOutputModuleTest, LoadsFromTheFirstFolderThatHasItElseSaysWhatIsMissing)
{
    const QString programs = QStringLiteral(VL_BIN_DIR);
    const QString empty = test::TestDir();
    const struct {
        QStringList folders;
        bool loaded;
    } cases[] = {{{programs}, true}, {{empty, programs}, true}, {{empty}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folders.join(QLatin1Char(',')).toStdString());
        QString error;
        const PrintOutput* output = LoadPrintOutput(c.folders, error);
        ASSERT_EQ(output != nullptr, c.loaded) << error.toStdString();
        if (output) {
            EXPECT_TRUE(output->makePrinter && output->choosePrinter && output->setupPage && output->showPreview);
            continue;
        }
        EXPECT_TRUE(error.contains(QLatin1String("libvl_print_output.so"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(QDir::cleanPath(empty)))) << error.toStdString();
    }
}

} // namespace
} // namespace vl
