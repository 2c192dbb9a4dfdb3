#include "backup/ConsolePrompt.h"

namespace vl {

int ConsolePrompt::Message(const QString& text, const QString& caption, PromptIcon icon, const QString&,
                           int defaultButton)
{
    Notify(text, caption, icon);
    return defaultButton;
}

void ConsolePrompt::Notify(const QString& text, const QString& caption, PromptIcon)
{
    QString lines = text;
    lines.replace(QLatin1Char('|'), QLatin1Char('\n'));
    while (lines.endsWith(QLatin1Char('\n')))
        lines.chop(1);
    std::fprintf(out_, "%s: %s\n", caption.toLocal8Bit().constData(), lines.toLocal8Bit().constData());
    std::fflush(out_);
}

} // namespace vl
