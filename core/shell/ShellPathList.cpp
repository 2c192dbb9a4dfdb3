#include "core/shell/ShellPathList.h"

#include "platform/runtime/FixedText.h"

#include <QFileInfo>

namespace vl {
namespace {

bool IsList(const QString& text)
{
    return text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('|')) || text.contains(QChar(0));
}

} // namespace

QStringList SplitPathText(const QString& text)
{
    const QString clipped = Clip(text);
    if (clipped.isEmpty())
        return {};
    if (!IsList(clipped)) {
        if (clipped.contains(QLatin1Char('*')) || clipped.contains(QLatin1Char('?'))
            || clipped.contains(QLatin1Char('/')))
            return {clipped};
        const QFileInfo file(clipped);
        return {file.exists() ? file.absoluteFilePath() : clipped};
    }
    // The separators in the order the shell form is built: a separator with
    // its following blank first, so the blank does not start the next name.
    QString list = clipped;
    const QChar nul(0);
    for (const char* separator : {"| ", "; ", "|", ";"})
        list.replace(QLatin1String(separator), QString(nul));
    QStringList names;
    for (const QString& name : list.split(nul)) {
        const QString element = Clip(name);
        if (!element.isEmpty())
            names.append(element);
    }
    return names;
}

} // namespace vl
