#include "scripting/items/ScriptActions.h"

namespace vl::ScriptAction {

QString CanonicalAction(QStringView stored)
{
    qsizetype length = stored.size();
    while (length > 0 && stored[length - 1] == QLatin1Char(' ')) {
        --length;
    }
    const QStringView name = stored.first(length);
    if (name == QStringView(SendKeystrokes)) {
        return QString::fromUtf16(SendKeys);
    }
    if (name == QStringView(DdeLong)) {
        return QString::fromUtf16(Dde);
    }
    return name.toString();
}

QString FileActionNamed(QStringView name)
{
    const QString upper = name.toString().trimmed().toUpper();
    for (const char16_t* action : kFileActions) {
        if (upper == QString::fromUtf16(action).toUpper())
            return QString::fromUtf16(action);
    }
    static const std::pair<const char*, const char16_t*> kWords[] = {
        {"FTPUPLOAD", u"FTP Upload"},       {"FTPDOWNLOAD", u"FTP Download"}, {"FTP", u"FTP Download"},
        {"HTTPDOWNLOAD", u"HTTP Download"}, {"HTTP", u"HTTP Download"},       {"FILE EXISTS", u"If File Exists"},
    };
    for (const auto& [word, action] : kWords) {
        if (upper == QLatin1String(word))
            return QString::fromUtf16(action);
    }
    return QString();
}

bool IsAction(QStringView stored, const char16_t* action)
{
    return CanonicalAction(stored) == QStringView(action);
}

} // namespace vl::ScriptAction
