// Pivra, the message program: shows one message or reminder handed over by
// VLMR. Command line: "ID=" and the number of the hand-over record.

#include "windows/message/MessageProgramMain.h"
#include "platform/widgets/DesktopServices.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pivra"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    const vl::DesktopServices services;
    return vl::MessageProgramMain(QApplication::arguments().mid(1));
}
