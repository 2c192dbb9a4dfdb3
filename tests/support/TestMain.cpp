// The main of every test executable: one Qt application for widget tests
// (offscreen unless the test target asks for xcb), each test in its own
// temporary directory, no session bus but a test's own.

#include <QApplication>

#include <gmock/gmock.h>

namespace vl::test {
void InstallTempDirListener();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session bus the bus library would start one of its own by a
    // fork from a thread of the program, which a program built with the
    // address sanitizer may not survive: a test that wants a bus makes its
    // own (PrivateBus), the others and the programs they start have none.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/velmora-tests-have-no-session-bus");
    QApplication app(argc, argv);
    vl::test::InstallTempDirListener();
    return RUN_ALL_TESTS();
}
