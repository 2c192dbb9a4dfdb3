// The X11 desktop on an X server of each test's own: windows the test
// creates are listed with their titles, classes and visibility, in stacking
// order or the window manager's order, and windows that vanish in the middle
// of a walk are skipped without any X error ending the program.

#include "scripting/WindowLists.h"
#include "platform/desktop/X11DesktopBackend.h"
#include "tests/platform/desktop/PrivateXServer.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vl {
namespace {

class X11DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(server_.DisplayName().isEmpty()) << "Xvfb could not be started";
        display_ = XOpenDisplay(server_.DisplayName().constData());
        ASSERT_NE(display_, nullptr);
        backend_ = X11DesktopBackend::Open(server_.DisplayName().constData());
        ASSERT_NE(backend_, nullptr);
    }
    void TearDown() override
    {
        backend_.reset();
        if (display_)
            XCloseDisplay(display_);
    }

    Window Root() const { return DefaultRootWindow(display_); }
    Atom Intern(const char* name) const { return XInternAtom(display_, name, False); }

    // A plain window with WM_NAME (when a title is given) and WM_CLASS.
    Window MakeWindow(const char* title, bool mapped = true, Window parent = 0,
                      const char* className = "VelmoraTest")
    {
        const Window window =
            XCreateSimpleWindow(display_, parent ? parent : Root(), 10, 10, 120, 80, 0, 0, 0);
        if (title)
            XStoreName(display_, window, title);
        XClassHint hint{const_cast<char*>("velmora-test"), const_cast<char*>(className)};
        XSetClassHint(display_, window, &hint);
        if (mapped)
            XMapWindow(display_, window);
        XSync(display_, False);
        return window;
    }

    void SetNetWmName(Window window, const QString& title)
    {
        const QByteArray utf8 = title.toUtf8();
        XChangeProperty(display_, window, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(utf8.constData()), static_cast<int>(utf8.size()));
        XSync(display_, False);
    }

    // Publishes a window-valued list on the root window, as a window
    // manager does.
    void PublishOnRoot(const char* property, const QList<Window>& windows)
    {
        QList<long> values;
        for (const Window window : windows)
            values.append(static_cast<long>(window));
        XChangeProperty(display_, Root(), Intern(property), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values.constData()), static_cast<int>(values.size()));
        XSync(display_, False);
    }

    void Destroy(Window window)
    {
        XDestroyWindow(display_, window);
        XSync(display_, False);
    }

    static QList<WindowHandle> Handles(const QList<DesktopWindow>& windows)
    {
        QList<WindowHandle> handles;
        for (const DesktopWindow& window : windows)
            handles.append(window.handle);
        return handles;
    }

    // The window's entry in the list, which must outlive the pointer: a
    // temporary list is refused.
    static const DesktopWindow* Find(const QList<DesktopWindow>& windows, Window handle)
    {
        for (const DesktopWindow& window : windows) {
            if (window.handle == handle)
                return &window;
        }
        return nullptr;
    }
    static const DesktopWindow* Find(QList<DesktopWindow>&& windows, Window handle) = delete;

    test::PrivateXServer server_;
    Display* display_ = nullptr;
    std::unique_ptr<X11DesktopBackend> backend_;
};

TEST_F(X11DesktopTest, TopLevelWindowsCarryTitleClassAndVisibility)
{
    const Window shown = MakeWindow("Shown window", true, 0, "Notes");
    const Window hidden = MakeWindow("Hidden window", false);
    const Window untitled = MakeWindow(nullptr);

    const QList<DesktopWindow> windows = backend_->TopLevelWindows();

    const DesktopWindow* a = Find(windows, shown);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->title, "Shown window");
    EXPECT_EQ(a->className, "Notes");
    EXPECT_TRUE(a->visible);
    const DesktopWindow* b = Find(windows, hidden);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->visible);
    // The backend lists every window; leaving out the untitled is the
    // window lists' rule.
    const DesktopWindow* c = Find(windows, untitled);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->title.isEmpty());
}

TEST_F(X11DesktopTest, TitlesPreferNetWmNameAndDecodeTheirEncoding)
{
    const Window both = MakeWindow("old name");
    const QString unicode = QString::fromUtf8("Größe – Notiz");
    SetNetWmName(both, unicode);
    const Window latin1 = MakeWindow("Caf\xe9");

    const QList<DesktopWindow> windows = backend_->TopLevelWindows();
    ASSERT_NE(Find(windows, both), nullptr);
    EXPECT_EQ(Find(windows, both)->title, unicode);
    ASSERT_NE(Find(windows, latin1), nullptr);
    EXPECT_EQ(Find(windows, latin1)->title, QString::fromUtf8("Café"));
    EXPECT_EQ(backend_->WindowTitle(static_cast<WindowHandle>(both)), unicode);
}

TEST_F(X11DesktopTest, WithoutWindowManagerTheStackingOrderCountsTopmostFirst)
{
    const Window lower = MakeWindow("Lower");
    const Window upper = MakeWindow("Upper"); // a new window is created on top
    EXPECT_EQ(Handles(backend_->TopLevelWindows()), (QList<WindowHandle>{static_cast<WindowHandle>(upper),
                                                                           static_cast<WindowHandle>(lower)}));

    XRaiseWindow(display_, lower);
    XSync(display_, False);
    EXPECT_EQ(Handles(backend_->TopLevelWindows()), (QList<WindowHandle>{static_cast<WindowHandle>(lower),
                                                                           static_cast<WindowHandle>(upper)}));
}

TEST_F(X11DesktopTest, WindowManagerListsTakePrecedenceOverTheRootChildren)
{
    const Window first = MakeWindow("First client");
    const Window second = MakeWindow("Second client");
    const Window frame = MakeWindow("Not a client");
    const auto a = static_cast<WindowHandle>(first);
    const auto b = static_cast<WindowHandle>(second);

    // Client list in mapping order: taken as it is.
    PublishOnRoot("_NET_CLIENT_LIST", {second, first});
    EXPECT_EQ(Handles(backend_->TopLevelWindows()), (QList<WindowHandle>{b, a}));

    // The stacking list (bottom to top) wins over it, turned topmost first.
    PublishOnRoot("_NET_CLIENT_LIST_STACKING", {second, first});
    EXPECT_EQ(Handles(backend_->TopLevelWindows()), (QList<WindowHandle>{a, b}));
    EXPECT_FALSE(Handles(backend_->TopLevelWindows()).contains(static_cast<WindowHandle>(frame)));
}

TEST_F(X11DesktopTest, MinimisedWindowCountsAsVisible)
{
    const Window window = MakeWindow("Minimised", false);
    const long state[2] = {3, 0}; // IconicState, no icon window
    XChangeProperty(display_, window, Intern("WM_STATE"), Intern("WM_STATE"), 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(state), 2);
    XSync(display_, False);

    const QList<DesktopWindow> windows = backend_->TopLevelWindows();
    const DesktopWindow* found = Find(windows, window);
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(found->visible);
}

TEST_F(X11DesktopTest, WindowVanishingDuringTheWalkIsSkipped)
{
    const Window staying = MakeWindow("Staying");
    const Window leaving = MakeWindow("Leaving");
    backend_->SetWalkHook([&] { Destroy(leaving); });

    const QList<DesktopWindow> windows = backend_->TopLevelWindows();

    EXPECT_NE(Find(windows, staying), nullptr);
    EXPECT_EQ(Find(windows, leaving), nullptr);
    EXPECT_GT(backend_->IgnoredErrors(), 0); // the vanished window was met, not missed
}

TEST_F(X11DesktopTest, StaleHandlesAndUnknownWindowsFailQuietly)
{
    const Window living = MakeWindow("Living");
    const Window gone = MakeWindow("Gone");
    Destroy(gone);
    PublishOnRoot("_NET_CLIENT_LIST", {gone, living});

    EXPECT_EQ(Handles(backend_->TopLevelWindows()), QList<WindowHandle>{static_cast<WindowHandle>(living)});
    EXPECT_TRUE(backend_->WindowTitle(static_cast<WindowHandle>(gone)).isEmpty());
    EXPECT_TRUE(backend_->ChildWindows(static_cast<WindowHandle>(gone)).isEmpty());
    EXPECT_TRUE(backend_->ChildWindows(0).isEmpty());
    // The connection is still good after those errors.
    EXPECT_EQ(backend_->WindowTitle(static_cast<WindowHandle>(living)), "Living");
}

TEST_F(X11DesktopTest, ChildWindowsAreAllDescendantsDepthFirstHiddenIncluded)
{
    const Window parent = MakeWindow("Parent");
    const Window older = MakeWindow("Older child", true, parent, "Edit");
    const Window younger = MakeWindow("Younger child", false, parent);
    const Window grandchild = MakeWindow("Grandchild", true, younger);

    const QList<DesktopWindow> children = backend_->ChildWindows(static_cast<WindowHandle>(parent));

    EXPECT_EQ(Handles(children),
              (QList<WindowHandle>{static_cast<WindowHandle>(younger), static_cast<WindowHandle>(grandchild),
                                   static_cast<WindowHandle>(older)}));
    ASSERT_EQ(children.size(), 3);
    EXPECT_FALSE(children[0].visible);
    EXPECT_EQ(children[2].title, "Older child");
    EXPECT_EQ(children[2].className, "Edit");
}

TEST_F(X11DesktopTest, ChildVanishingDuringTheWalkIsSkipped)
{
    const Window parent = MakeWindow("Parent");
    const Window staying = MakeWindow("Staying child", true, parent);
    const Window leaving = MakeWindow("Leaving child", true, parent);
    backend_->SetWalkHook([&] { Destroy(leaving); });

    EXPECT_EQ(Handles(backend_->ChildWindows(static_cast<WindowHandle>(parent))),
              QList<WindowHandle>{static_cast<WindowHandle>(staying)});
}

TEST_F(X11DesktopTest, ActiveWindowFromWindowManagerElseFromFocus)
{
    const Window focused = MakeWindow("Focused");
    const Window inner = MakeWindow("Inner", true, focused);
    const Window other = MakeWindow("Other");

    // No window manager: the top-level window holding the focus.
    XSetInputFocus(display_, inner, RevertToParent, CurrentTime);
    XSync(display_, False);
    EXPECT_EQ(backend_->ActiveWindow(), static_cast<WindowHandle>(focused));

    // A window manager's word counts over the focus, "none" included.
    PublishOnRoot("_NET_ACTIVE_WINDOW", {other});
    EXPECT_EQ(backend_->ActiveWindow(), static_cast<WindowHandle>(other));
    PublishOnRoot("_NET_ACTIVE_WINDOW", {None});
    EXPECT_EQ(backend_->ActiveWindow(), 0u);
}

TEST_F(X11DesktopTest, WindowQueuesListTitledWindowsAndHonourExclHidden)
{
    const Window shown = MakeWindow("Shown titled");
    const Window hidden = MakeWindow("Hidden titled", false);
    const Window untitled = MakeWindow(nullptr);
    const Window child = MakeWindow("Titled child", false, shown, "Button");
    MakeWindow(nullptr, true, shown);

    TopWindowQueue all;
    ListTopWindows(all, false, *backend_);
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0].HANDLE, static_cast<WindowHandle>(hidden)); // created later, so higher up
    EXPECT_EQ(all[1].LINE, "Shown titled");
    EXPECT_EQ(all[1].CLASS, "VelmoraTest");
    for (const TopWindowEntry& entry : all)
        EXPECT_NE(entry.HANDLE, static_cast<WindowHandle>(untitled));

    TopWindowQueue visibleOnly;
    ListTopWindows(visibleOnly, true, *backend_);
    ASSERT_EQ(visibleOnly.size(), 1);
    EXPECT_EQ(visibleOnly[0].HANDLE, static_cast<WindowHandle>(shown));

    ChildWindowQueue children;
    ListChildWindows(children, visibleOnly[0].HANDLE, *backend_);
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0].HANDLE, static_cast<WindowHandle>(child));
    EXPECT_EQ(children[0].CLASS, "Button");
}

// A test run killed outright leaves no X server behind: a process that starts
// one and is then killed takes the server with it.
TEST(PrivateXServer, EndsWithTheProcessThatStartedIt)
{
    // The orphaned server comes to this process, which reaps it.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        close(report[0]);
        const test::PrivateXServer server;
        const pid_t started = server.DisplayName().isEmpty() ? -1 : server.ProcessId();
        if (write(report[1], &started, sizeof started) == sizeof started)
            pause(); // until killed
        _exit(0);
    }
    close(report[1]);
    pid_t xvfb = -1;
    const bool reported = read(report[0], &xvfb, sizeof xvfb) == sizeof xvfb && xvfb > 0;
    close(report[0]);
    // Watched before its starter dies, so the number cannot name another process.
    const int watch = reported ? static_cast<int>(syscall(SYS_pidfd_open, xvfb, 0)) : -1;
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    ASSERT_GE(watch, 0) << "Xvfb could not be started";

    // However long the server takes to end on a busy machine: the suite's
    // timeout for the test bounds the wait.
    pollfd ended{watch, POLLIN, 0};
    int ready = -1;
    do
        ready = poll(&ended, 1, -1);
    while (ready < 0 && errno == EINTR);
    if (ready != 1)
        syscall(SYS_pidfd_send_signal, watch, SIGTERM, nullptr, 0); // leave nothing behind
    close(watch);
    waitpid(xvfb, nullptr, 0);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    EXPECT_EQ(ready, 1) << "Xvfb outlived the process that started it";
}

} // namespace
} // namespace vl
