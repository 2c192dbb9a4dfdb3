// The main of every test executable: one Qt application for widget tests
// (offscreen unless the test target asks for xcb), each test in its own
// temporary directory.

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
    QApplication app(argc, argv);
    vl::test::InstallTempDirListener();
    return RUN_ALL_TESTS();
}
