#include "platform/ui/PromptService.h"

#include "platform/ui/TerminationRequest.h"

#include <cstdio>

namespace vl {
namespace {

// Before a program installs its windowed service (and in programs that have
// none) nobody can answer: the message goes to standard error and the
// default button counts as pressed; a file or directory question is
// cancelled.
class UnattendedPromptService : public PromptService {
public:
    int Message(const QString& text, const QString& caption, PromptIcon, const QString&,
                int defaultButton) override
    {
        if (TerminationRequested())
            return kNoAnswer;
        const QString lines = QString(text).replace(QLatin1Char('|'), QLatin1Char('\n'));
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(lines));
        return defaultButton;
    }
    void Notify(const QString& text, const QString& caption, PromptIcon icon) override
    {
        Message(text, caption, icon, QString(), 1);
    }
    QString SelectDirectory(const QString&, const QString&) override { return {}; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace

QStringList PromptService::OpenFiles(const QString& caption, const QString& filter, const QString& start)
{
    const QString chosen = OpenFile(caption, filter, start);
    return chosen.isEmpty() ? QStringList() : QStringList{chosen};
}

PromptService& CurrentPromptService()
{
    static UnattendedPromptService unattended;
    return InstalledOr<PromptService>(unattended);
}


namespace Prompt {

int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
            int defaultButton)
{
    return CurrentPromptService().Message(text, caption, icon, buttons, defaultButton);
}

void Notify(const QString& text, const QString& caption, PromptIcon icon)
{
    CurrentPromptService().Notify(text, caption, icon);
}

StandardButton Ask(const QString& text, const QString& caption, PromptIcon icon, StandardButtons buttons,
                   StandardButton defaultButton)
{
    if (StandardButtonList(buttons).isEmpty())
        buttons = ButtonOk;
    const QString list = StandardButtonList(buttons);
    const int defaultNumber =
        ValidDefaultButton(StandardButtonNumber(buttons, defaultButton), SplitButtonList(list).size());
    const int answer = Message(text, caption, icon, list, defaultNumber);
    if (answer == kNoAnswer)
        return ButtonNone;
    StandardButtons pressed = StandardButtonAt(buttons, answer);
    // A service that answers outside the list counts as pressing the default.
    if (pressed == 0)
        pressed = StandardButtonAt(buttons, defaultNumber);
    return static_cast<StandardButton>(pressed);
}

QString SelectDirectory(const QString& caption, const QString& startDir)
{
    return CurrentPromptService().SelectDirectory(caption, startDir);
}

QString OpenFile(const QString& caption, const QString& filter, const QString& start)
{
    return CurrentPromptService().OpenFile(caption, filter, start);
}

QString SaveFile(const QString& caption, const QString& filter, const QString& start)
{
    return CurrentPromptService().SaveFile(caption, filter, start);
}

QStringList OpenFiles(const QString& caption, const QString& filter, const QString& start)
{
    return CurrentPromptService().OpenFiles(caption, filter, start);
}

} // namespace Prompt

} // namespace vl
