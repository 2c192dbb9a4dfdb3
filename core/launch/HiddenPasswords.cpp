#include "core/launch/HiddenPasswords.h"

#include "core/launch/CommandLines.h"
#include "core/launch/ScriptTokenQuoting.h"

#include <QRegularExpression>
#include <QStringList>

namespace vl {
namespace {

const QString kMask = QStringLiteral("********");
constexpr qsizetype kFtpPasswordArgument = 5; // operation, source, target, host, user, password

QString WithoutFtpPassword(const QString& command)
{
    const CommandLineParts parts = SplitCommandLine(command.trimmed());
    if (parts.program.toUpper() != QLatin1String("VLFTP") || parts.arguments.size() <= kFtpPasswordArgument)
        return command;
    QStringList shown{parts.program};
    for (qsizetype i = 0; i < kFtpPasswordArgument; ++i)
        shown << QuoteScriptToken(parts.arguments.at(i));
    return shown.join(u' ') + u' ' + kMask;
}

} // namespace

QString WithoutPasswords(const QString& text)
{
    // scheme://user:password@ (the password runs to the last "@" before the
    // path, so that an "@" inside it is hidden too).
    static const QRegularExpression kAddressPassword(
        QStringLiteral(R"(([A-Za-z][A-Za-z0-9+.-]*://[^/?#@\s:"]*:)[^/?#\s"]*@)"));
    QString shown = WithoutFtpPassword(text);
    shown.replace(kAddressPassword, QStringLiteral("\\1") + kMask + u'@');
    return shown;
}

} // namespace vl
