// Window matching by title pattern, child contents and program file name,
// over a scripted desktop.

#include "scripting/WindowMatch.h"

#include "core/base/Globals.h"
#include "platform/desktop/FakeDesktopBackend.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(WindowMatchTest, WindowsAreFoundByTitlePatternContentsAndProgram)
{
    FakeDesktopBackend desktop;
    desktop.AddWindow({1, "Untitled - Notepad", "Notepad", true});
    desktop.AddWindow({2, "Untitled - Editor", "Editor", true});
    desktop.AddWindow({3, "Save", "Button", true}, 2);
    desktop.AddWindow({4, "NOTE* pad", "Pad", true});
    desktop.AddWindow({5, "Hidden Report", "Pad", false});
    desktop.AddWindow({6, "Sums", "Calc", true});
    desktop.AddWindow({7, "Calculator", "Calc", true});
    desktop.SetWindowProgram(1, "editor-bin");
    desktop.SetWindowProgram(6, "calculator");
    const struct {
        const char* title;
        const char* contents;
        WindowHandle found;
    } cases[] = {
        {"Notepad", "", 0},
        {"*Notepad", "", 1},
        {"untitled*xyz", "", 1},
        {"~Untitled - notepad", "", 1},
        {"Untitled*", "save", 2},
        {"Untitled*", "cancel", 0},
        {"*Note*", "", 4},
        {"*Report", "", 0},       // hidden, and hidden windows are left out
        {"Hidden Report", "", 0},
        {"EDITOR-BIN", "", 1},    // no title matches: the program's file name
        {"calculator", "", 7},    // a title match wins over a program match
        {"", "", 0},
    };
    ExclHidden = 1;
    for (const auto& c : cases)
        EXPECT_EQ(FindWindowByTitle(c.title, c.contents, desktop), c.found) << c.title << " / " << c.contents;
    ExclHidden = 0;
    EXPECT_EQ(FindWindowByTitle("*Report", "", desktop), 5u) << "hidden windows count unless left out";
}

TEST(WindowMatchTest, ActivationTakesOnlyAWindowThatIsStillThere)
{
    FakeDesktopBackend desktop;
    desktop.AddWindow({1, "Report", "Pad", true});
    desktop.AddWindow({2, "Notes", "Pad", true});
    EXPECT_EQ(ActivateMatchingWindow("*port", "", desktop), 1u);
    EXPECT_EQ(desktop.ActiveWindow(), 1u);
    desktop.RemoveWindow(1);
    EXPECT_EQ(ActivateMatchingWindow("*port", "", desktop), 0u);
    EXPECT_EQ(desktop.Events(), QStringList{"activate 1"});
}

} // namespace
} // namespace vl
