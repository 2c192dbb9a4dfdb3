// Keystrokes on a real X server: a Qt line edit of a helper program on the
// test's own Xvfb is found by its title and its program, focused, typed
// into (Caps Lock on, a character no key of the keyboard gives, a literal
// bracket) and closed, and what it received is read back.

#include "core/base/Globals.h"
#include "platform/desktop/X11DesktopBackend.h"
#include "scripting/SendKeys.h"
#include "scripting/WindowMatch.h"
#include "tests/platform/desktop/PrivateXServer.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace vl {
namespace {

QString ReadLine(QProcess& process)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(-1)) // false only once the helper has ended
            return QStringLiteral("<no answer: %1>").arg(QString::fromUtf8(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readLine()).chopped(1);
}

TEST(X11KeystrokesTest, TypesIntoAWindowFoundByTitleAndClosesIt)
{
    test::PrivateXServer server;
    ASSERT_FALSE(server.DisplayName().isEmpty()) << "Xvfb could not be started";
    QProcess target;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromLatin1(server.DisplayName()));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    target.setProcessEnvironment(environment);
    target.start(QStringLiteral(VL_KEY_TARGET), {});
    // However long the helper takes to start on a busy machine: its "ready"
    // line ends the wait, and the suite's timeout bounds it.
    ASSERT_TRUE(target.waitForStarted(-1));
    ASSERT_EQ(ReadLine(target), "ready");

    auto desktop = X11DesktopBackend::Open(server.DisplayName().constData());
    ASSERT_NE(desktop, nullptr);
    // The toolkit's hidden helper windows carry the program's name too.
    ExclHidden = 1;
    const WindowHandle window = ActivateMatchingWindow("key target", "", *desktop);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(desktop->WindowProgram(window), "key_target");
    EXPECT_EQ(FindWindowByTitle("KEY_TARGET", "", *desktop), window);

    QString error;
    EXPECT_TRUE(SendKeys(QString::fromUtf8("[Caps]Hi, Ann! [[]1+1=2] caf\u00e9 \u20ac5[BS]6[Enter]"), *desktop,
                         &error))
        << error.toStdString();
    EXPECT_EQ(ReadLine(target), QString::fromUtf8("Hi, Ann! [1+1=2] caf\u00e9 \u20ac6"));
    EXPECT_TRUE(desktop->CapsLockOn());
    EXPECT_TRUE(SendKeys("[Caps][+Home][Delete]Bye[Enter]", *desktop, &error)) << error.toStdString();
    EXPECT_FALSE(desktop->CapsLockOn());
    EXPECT_EQ(ReadLine(target), "Bye");

    EXPECT_TRUE(desktop->CloseWindow(window));
    EXPECT_TRUE(target.waitForFinished(-1));
    EXPECT_EQ(FindWindowByTitle("Key Target", "", *desktop), 0u);
    EXPECT_FALSE(desktop->ActivateWindow(window));
    ExclHidden = 0;
}

} // namespace
} // namespace vl
