#include "scripting/text/ScriptTextReference.h"

namespace vl {

const QStringList& ScriptCommandTemplates()
{
    static const QStringList kCommands{
        QStringLiteral("KEYS keys"),
        QStringLiteral("FOCUS window_title optional_contents"),
        QStringLiteral("WAIT 999 Or window_title optional_content"),
        QStringLiteral("WAIT 999 And window_title optional_content"),
        QStringLiteral("DISPLAY message title button_text /MODAL"),
        QStringLiteral("START program_to_start start_in WAIT=999 /TRANSLATE"),
        QStringLiteral("IF value_name < compare_to_this"),
        QStringLiteral("IF value_name > compare_to_this"),
        QStringLiteral("IF value_name = compare_to_this"),
        QStringLiteral("IF value_name <> compare_to_this"),
        QStringLiteral("IFTIME 999"),
        QStringLiteral("IFTIMELESS 999"),
        QStringLiteral("IFWINDOW window_title"),
        QStringLiteral("IFNOTWINDOW window_title"),
        QStringLiteral("END"),
        QStringLiteral("FILE Copy filename_1 filename_2"),
        QStringLiteral("FILE Move filename_1 filename_2"),
        QStringLiteral("FILE Delete filename_1"),
        QStringLiteral("FILE \"Make Directory\" filename_1"),
        QStringLiteral("FILE \"Remove Directory\" filename_1"),
        QStringLiteral("FILE \"Get File Date\" filename_1"),
        QStringLiteral("FILE \"Get File Time\" filename_1"),
        QStringLiteral("FILE \"Get File Size\" filename_1"),
        QStringLiteral("FILE \"If File Exists\" filename_1"),
        QStringLiteral("FILE \"Log Windows\" filename_1"),
        QStringLiteral("SET value_name value"),
        QStringLiteral("SCRIPT script_filename \"Insert (Execute and continue)\""),
        QStringLiteral("CLOSE program_file_name"),
        QStringLiteral("EMAIL 999"),
        QStringLiteral("EXIT"),
    };
    return kCommands;
}

const QStringList& ScriptKeyModifiers()
{
    static const QStringList kModifiers{QStringLiteral("(none)"), QStringLiteral("Ctrl"),      QStringLiteral("Alt"),
                                        QStringLiteral("Shift"),  QStringLiteral("CtrlAlt"),   QStringLiteral("CtrlShift"),
                                        QStringLiteral("AltShift")};
    return kModifiers;
}

const QStringList& ScriptReferenceKeys()
{
    static const QStringList kKeys = [] {
        QStringList keys;
        for (char letter = 'a'; letter <= 'z'; ++letter)
            keys << QString(QLatin1Char(letter));
        keys << QStringLiteral("BS") << QStringLiteral("DELETE") << QStringLiteral("DOWN") << QStringLiteral("END")
             << QStringLiteral("ENTER") << QStringLiteral("ESC");
        for (int f = 1; f <= 12; ++f)
            keys << QStringLiteral("F") + QString::number(f);
        keys << QStringLiteral("HOME") << QStringLiteral("INSERT") << QStringLiteral("LEFT") << QStringLiteral("PGDN")
             << QStringLiteral("PGUP") << QStringLiteral("PLUS") << QStringLiteral("PRINT") << QStringLiteral("RIGHT")
             << QStringLiteral("SLASH") << QStringLiteral("SPACE") << QStringLiteral("TAB") << QStringLiteral("UP");
        return keys;
    }();
    return kKeys;
}

const QStringList& ScriptReferenceKeywords()
{
    static const QStringList kKeywords{
        QStringLiteral("TODAY"),     QStringLiteral("DATE"),       QStringLiteral("NOW"),
        QStringLiteral("TIME"),      QStringLiteral("FOCUS"),      QStringLiteral("EXITCODE"),
        QStringLiteral("FILECOPY"),  QStringLiteral("FILEMOVE"),   QStringLiteral("FILEDELETE"),
        QStringLiteral("DIRCREATE"), QStringLiteral("DIRREMOVE"),  QStringLiteral("FILEDATE"),
        QStringLiteral("FILETIME"),  QStringLiteral("FILESIZE"),   QStringLiteral("FILEEXISTS"),
        QStringLiteral("ERRORCODE"), QStringLiteral("MAIL"),       QStringLiteral("MAILERROR"),
    };
    return kKeywords;
}

QString ScriptKeyGroup(const QString& modifier, const QString& key)
{
    const QString name = key.trimmed();
    if (name.isEmpty())
        return QString();
    const QString with = modifier.trimmed();
    if (with.isEmpty() || with == ScriptKeyModifiers().first())
        return QLatin1Char('[') + name + QLatin1Char(']');
    return QLatin1Char('[') + with + QLatin1Char('-') + name + QLatin1Char(']');
}

QString ScriptKeywordGroup(const QString& name)
{
    const QString keyword = name.trimmed();
    return keyword.isEmpty() ? QString() : QLatin1Char('[') + keyword + QLatin1Char(']');
}

} // namespace vl
