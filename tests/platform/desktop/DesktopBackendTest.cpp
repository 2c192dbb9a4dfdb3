// Choosing the desktop: without an X display the program sees an empty
// desktop and nothing fails; tests install their own desktop.

#include "platform/desktop/DesktopBackend.h"
#include "platform/desktop/FakeDesktopBackend.h"
#include "platform/desktop/X11DesktopBackend.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// Unsets an environment variable for the lifetime of this object.
class UnsetEnvironment {
public:
    explicit UnsetEnvironment(const char* name) : name_(name), value_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qunsetenv(name_);
    }
    ~UnsetEnvironment()
    {
        if (had_)
            qputenv(name_, value_);
    }

private:
    const char* name_;
    QByteArray value_;
    bool had_;
};

TEST(DesktopBackend, WithoutDisplayTheDesktopIsEmpty)
{
    UnsetEnvironment noDisplay("DISPLAY");
    EXPECT_EQ(X11DesktopBackend::Open(), nullptr);

    const std::unique_ptr<DesktopBackend> desktop = MakeDesktopBackend();
    ASSERT_NE(desktop, nullptr);
    EXPECT_TRUE(desktop->TopLevelWindows().isEmpty());
    EXPECT_TRUE(desktop->ChildWindows(42).isEmpty());
    EXPECT_EQ(desktop->ActiveWindow(), 0u);
    EXPECT_TRUE(desktop->WindowTitle(42).isEmpty());
}

TEST(DesktopBackend, UnreachableDisplayIsNoBackend)
{
    EXPECT_EQ(X11DesktopBackend::Open(":65000"), nullptr);
}

TEST(DesktopBackend, OverridesNestAndRestore)
{
    FakeDesktopBackend outer;
    FakeDesktopBackend inner;
    outer.AddWindow({7, "Outer window", "Class", true});
    {
        DesktopOverride useOuter(outer);
        EXPECT_EQ(&CurrentDesktop(), &outer);
        {
            DesktopOverride useInner(inner);
            EXPECT_EQ(&CurrentDesktop(), &inner);
        }
        EXPECT_EQ(&CurrentDesktop(), &outer);
        EXPECT_EQ(CurrentDesktop().WindowTitle(7), "Outer window");
    }
    EXPECT_NE(&CurrentDesktop(), &outer);
}

} // namespace
} // namespace vl
