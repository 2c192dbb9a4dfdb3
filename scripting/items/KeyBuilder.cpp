#include "scripting/items/KeyBuilder.h"

#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

QString Group(const QString& keystrokes, const QString& group)
{
    return Clip(keystrokes) + QLatin1Char('[') + group + QLatin1Char(']');
}

} // namespace

const QStringList& KeyBuilderModifiers()
{
    static const QStringList modifiers = QStringLiteral("|Ctrl|Alt|Shift|CtrlAlt|CtrlShift|AltShift").split('|');
    return modifiers;
}

const QStringList& KeyBuilderKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (char letter = 'a'; letter <= 'z'; ++letter)
            list << QString(QLatin1Char(letter));
        list << "BS" << "DELETE" << "DOWN" << "END" << "ENTER" << "ESC";
        for (int f = 1; f <= 12; ++f)
            list << QStringLiteral("F%1").arg(f);
        list << "HOME" << "INSERT" << "LEFT" << "PGDN" << "PGUP" << "PLUS" << "PRINT" << "RIGHT" << "SLASH"
             << "SPACE" << "TAB" << "UP";
        return list;
    }();
    return keys;
}

const QStringList& KeyBuilderKeywords()
{
    static const QStringList keywords =
        QStringLiteral("TODAY|DATE|NOW|TIME|FOCUS|EXITCODE|FILECOPY|FILEMOVE|FILEDELETE|DIRCREATE|DIRREMOVE|"
                       "FILEDATE|FILETIME|FILESIZE|FILEEXISTS|ERRORCODE|MAIL|MAILERROR")
            .split('|');
    return keywords;
}

QString AppendKeyCode(const QString& keystrokes, const QString& modifier, const QString& key)
{
    const QString name = Clip(key);
    if (name.isEmpty())
        return keystrokes;
    const QString held = Clip(modifier);
    return Group(keystrokes, held.isEmpty() ? name : held + QLatin1Char('-') + name);
}

QString AppendKeyword(const QString& keystrokes, const QString& keyword)
{
    const QString name = Clip(keyword);
    return name.isEmpty() ? keystrokes : Group(keystrokes, name);
}

} // namespace vl
