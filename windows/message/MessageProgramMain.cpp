#include "windows/message/MessageProgramMain.h"

#include "core/session/TerminationSignals.h"
#include "message/HandOverRead.h"
#include "windows/message/MessageProgramWindow.h"
#include "message/MessageSettings.h"
#include "pim/MessageProgramIni.h"
#include "platform/ui/TerminationRequest.h"

#include <QApplication>

#include <optional>

namespace vl {

int MessageProgramMain(const QStringList& arguments)
{
    IniFile ini(MessageProgramIniPath());
    MessageFont font = LoadMessageFont(ini);
    MessageProgramTables tables;
    int result = 0;
    {
        MessageProgramWindow window(tables, font);
        // The session ending (or the system stopping the program) closes the
        // message like its close box, and the program ends normally. Caught
        // from the start, so that a signal arriving early is not lost. A box
        // then open, or opened by the close, gives no answer.
        TerminationSignals termination;
        QObject::connect(&termination, &TerminationSignals::Received, &window, [&window] {
            RequestTermination();
            window.close();
            QCoreApplication::quit();
        });
        const std::optional<MsgLinkRecord> taken =
            TakeHandedOverMessage(tables.msgLink, MessageIdArgument(arguments));
        if (taken) {
            LoadMessageSettings(tables.configuration);
            window.Present(MessageOfLink(*taken));
            result = QApplication::exec();
        }
        font = window.Font();
    }
    SaveMessageFont(ini, font);
    return result;
}

} // namespace vl
