#include "platform/mail/MailAddress.h"

namespace vl {

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == ' ')
        ++begin;
    while (end > begin && text.at(end - 1) == ' ')
        --end;
    return text.mid(begin, end - begin);
}

bool IsAcceptableAddress(const QString& address)
{
    if (address.isEmpty())
        return false;
    for (QChar c : address) {
        // Control characters (C0, DEL and C1, CR and LF among them) could end
        // or garble a command.
        if (c == '<' || c == '>' || c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

Mailbox SplitFromText(const QString& from)
{
    const QString text = TrimBlanks(from);
    const qsizetype open = text.lastIndexOf('<');
    if (open >= 0 && text.endsWith('>')) {
        QString name = TrimBlanks(text.left(open));
        if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
            name = name.mid(1, name.size() - 2);
        return {name, text.mid(open + 1, text.size() - open - 2)};
    }
    bool blank = false;
    for (QChar c : text)
        blank = blank || c.isSpace();
    if (text.contains('@') && !blank)
        return {QString(), text};
    return {text, QString()};
}

} // namespace vl
