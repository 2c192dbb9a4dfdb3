#include "backup/ZipFailureText.h"

#include "platform/ui/PromptService.h"

namespace vl {

QString ZipFailureMessage(const QString& message, const QString& archive, const ZipResult& result)
{
    QString text;
    if (!message.trimmed().isEmpty())
        text += message.trimmed() + QStringLiteral("||");
    text += QStringLiteral("Archive: ") + archive + QLatin1Char('|');
    if (result.code != 0) {
        text += QStringLiteral("Error %1:  %2|").arg(result.code).arg(ZipErrorText(result.code));
        if (!result.detail.isEmpty())
            text += result.detail + QLatin1Char('|');
    }
    return text;
}

void ZipFailureText(const QString& message, const QString& caption, const QString& archive, const ZipResult& result)
{
    Prompt::Message(ZipFailureMessage(message, archive, result),
                    caption.trimmed().isEmpty() ? QStringLiteral("Operation Failed") : caption, PromptIcon::Stop);
}

} // namespace vl
