#include "scripting/WindowLists.h"

#include "platform/desktop/FakeDesktopBackend.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// A desktop of top-level windows 1 to 5 (4 untitled, 5 titled only with
// blanks) and, inside window 1, children 10 and 11 with grandchild 12.
class WindowListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop_.AddWindow({1, "Untitled - Editor", "Editor", true});
        desktop_.AddWindow({2, "Hidden helper", "Helper", false});
        desktop_.AddWindow({3, "Calculator", "Calc", true});
        desktop_.AddWindow({4, "", "NoTitle", true});
        desktop_.AddWindow({5, "   ", "Blanks", true});
        desktop_.AddWindow({10, "Text area", "Edit", true}, 1);
        desktop_.AddWindow({11, "", "Panel", false}, 1);
        desktop_.AddWindow({12, "Save", "Button", false}, 11);
    }

    static QList<WindowHandle> Handles(const TopWindowQueue& queue)
    {
        QList<WindowHandle> handles;
        for (const TopWindowEntry& entry : queue)
            handles.append(entry.HANDLE);
        return handles;
    }

    FakeDesktopBackend desktop_;
};

TEST_F(WindowListsTest, TopWindowsAreTheTitledOnesInDesktopOrder)
{
    TopWindowQueue queue{{"stale entry", 99, "Old"}};
    ListTopWindows(queue, false, desktop_);

    EXPECT_EQ(Handles(queue), (QList<WindowHandle>{1, 2, 3}));
    EXPECT_EQ(queue[0].LINE, "Untitled - Editor");
    EXPECT_EQ(queue[0].CLASS, "Editor");
}

TEST_F(WindowListsTest, ExclHiddenLeavesInvisibleWindowsOut)
{
    TopWindowQueue queue;
    ListTopWindows(queue, true, desktop_);
    EXPECT_EQ(Handles(queue), (QList<WindowHandle>{1, 3}));
}

TEST_F(WindowListsTest, TitlesAndClassesAreCutToTheirFields)
{
    FakeDesktopBackend desktop;
    desktop.AddWindow({7, QString(300, 'T'), QString(260, 'C'), true});
    desktop.AddWindow({8, "Child " + QString(300, 'x'), QString(300, 'K'), true}, 7);

    TopWindowQueue top;
    ListTopWindows(top, false, desktop);
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top[0].LINE, QString(254, 'T'));
    EXPECT_EQ(top[0].CLASS, QString(254, 'C'));

    ChildWindowQueue children;
    ListChildWindows(children, 7, desktop);
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0].LINE.size(), 254);
    EXPECT_EQ(children[0].CLASS.size(), 254);
}

TEST_F(WindowListsTest, ChildWindowsAreTitledDescendantsHiddenIncluded)
{
    ChildWindowQueue queue{{"stale", "Old", 99}};
    ListChildWindows(queue, 1, desktop_);

    ASSERT_EQ(queue.size(), 2);
    EXPECT_EQ(queue[0].HANDLE, 10u);
    EXPECT_EQ(queue[0].CLASS, "Edit");
    EXPECT_EQ(queue[1].HANDLE, 12u); // the hidden grandchild under an untitled child
    EXPECT_EQ(queue[1].LINE, "Save");

    ListChildWindows(queue, 3, desktop_);
    EXPECT_TRUE(queue.isEmpty());
    queue.append({"stale", "Old", 99});
    ListChildWindows(queue, 404, desktop_);
    EXPECT_TRUE(queue.isEmpty());
}

TEST_F(WindowListsTest, ProgramDesktopIsUsedByDefault)
{
    TopWindowQueue queue{{"stale entry", 99, "Old"}};
    {
        EmptyDesktopBackend empty;
        DesktopOverride noWindows(empty);
        ListTopWindows(queue, false);
        EXPECT_TRUE(queue.isEmpty());
    }
    DesktopOverride scripted(desktop_);
    ListTopWindows(queue, true);
    EXPECT_EQ(Handles(queue), (QList<WindowHandle>{1, 3}));
    ChildWindowQueue children;
    ListChildWindows(children, 1);
    EXPECT_EQ(children.size(), 2);
}

} // namespace
} // namespace vl
