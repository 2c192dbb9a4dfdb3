#include "platform/mail/MailHost.h"

#include <QUrl>

namespace vl {
namespace {

bool IsHostNameChar(QChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || c == '.' || c == '-' || c == '_';
}

bool IsIpv6Char(QChar c)
{
    return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9')
        || c == ':' || c == '.';
}

std::optional<int> ParsePort(const QString& text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    for (QChar c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    const int port = text.toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

std::optional<QString> AsciiHostName(const QString& name)
{
    QString ascii = name;
    for (QChar c : name) {
        if (c.unicode() > 127) {
            ascii = QString::fromLatin1(QUrl::toAce(name));
            break;
        }
    }
    if (ascii.isEmpty())
        return std::nullopt;
    for (QChar c : ascii)
        if (!IsHostNameChar(c))
            return std::nullopt;
    return ascii;
}

std::optional<MailHost> Ipv6Host(const QString& address, int port)
{
    if (address.count(':') < 2)
        return std::nullopt;
    for (QChar c : address)
        if (!IsIpv6Char(c))
            return std::nullopt;
    return MailHost{address, port, true};
}

} // namespace

QString MailHost::Authority() const
{
    const QString host = ipv6 ? "[" + name + "]" : name;
    return host + ":" + QString::number(port);
}

std::optional<MailHost> ParseMailHost(const QString& text, int defaultPort)
{
    const QString host = text.trimmed();
    if (host.isEmpty())
        return std::nullopt;

    if (host.startsWith('[')) {
        const qsizetype close = host.indexOf(']');
        if (close < 0)
            return std::nullopt;
        const QString rest = host.mid(close + 1);
        int port = defaultPort;
        if (!rest.isEmpty()) {
            const auto parsed = rest.startsWith(':') ? ParsePort(rest.mid(1)) : std::nullopt;
            if (!parsed)
                return std::nullopt;
            port = *parsed;
        }
        return Ipv6Host(host.mid(1, close - 1), port);
    }

    const qsizetype colons = host.count(':');
    if (colons > 1)
        return Ipv6Host(host, defaultPort);

    QString name = host;
    int port = defaultPort;
    if (colons == 1) {
        const qsizetype colon = host.indexOf(':');
        const auto parsed = ParsePort(host.mid(colon + 1));
        if (!parsed)
            return std::nullopt;
        name = host.left(colon);
        port = *parsed;
    }
    const auto ascii = AsciiHostName(name);
    if (!ascii)
        return std::nullopt;
    return MailHost{*ascii, port, false};
}

} // namespace vl
