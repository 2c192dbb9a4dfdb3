#include "windows/scripting/ScriptKeysWindow.h"

#include "platform/ui/PromptService.h"
#include "scripting/KeyNames.h"

#include <QApplication>
#include <QFileInfo>

namespace vl {

ScriptKeysWindow::ScriptKeysWindow(QWidget* parent)
    : TextLinesViewer({QString::fromLatin1(kScriptKeysCaption), kScriptKeysProcedure, QSize(560, 480), true}, parent)
{
}

bool ScriptKeysWindow::Open()
{
    const QString file = QString::fromLatin1(kKeyCodesFileName);
    bool opened = true;
    if (QFileInfo::exists(file)) {
        opened = Lines().Load(file);
        if (!opened)
            Prompt::Message(QStringLiteral("The key list %1 cannot be read.").arg(QFileInfo(file).absoluteFilePath()),
                            QString::fromLatin1(kScriptKeysCaption), PromptIcon::Exclamation);
    } else {
        Lines().Take(KeyListText().toUtf8());
    }
    ShowLines(opened);
    WidenToLines();
    return opened;
}

ScriptKeysWindow* ViewAscii_ScriptKeys()
{
    // Opened from a modal window (the script item editor), the list belongs
    // to it: in front of it and usable while it is open, closed with it. A
    // window of its own would wait behind the modal one until that closed.
    auto* window = new ScriptKeysWindow(QApplication::activeModalWidget());
    if (!window->Open()) {
        delete window;
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace vl
