#include "scripting/Keywords.h"

#include "platform/runtime/FixedText.h"
#include "scripting/BuiltInKeywords.h"
#include "scripting/ScriptVariables.h"

#include <QStringView>
#include <QTextBoundaryFinder>

namespace vl {

QString EvaluateKeyword(const QString& name)
{
    if (const std::optional<QString> builtIn = BuiltInKeywordValue(name))
        return CutTo(*builtIn, kKeywordValueWidth);
    if (name.startsWith(u'=')) {
        const QString value = EvaluateExpression(name.mid(1));
        if (!Clip(value).isEmpty())
            return CutTo(value, kKeywordValueWidth);
    }
    const std::optional<ScriptVariable> variable = CurrentScriptVariables().Find(name);
    return variable ? variable->STRINGVALUE : QString();
}

QString ExpandKeywords(const QString& text, int maxLength)
{
    const QString source = Clip(text);
    // A character goes into the output whole or not at all: the units that
    // continue one follow its start, and the last cut takes whole ones.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, source);
    bool lastTaken = false;
    QString output;
    for (qsizetype p = 0; p < source.size(); ++p) {
        characters.setPosition(p);
        const bool starts = characters.isAtBoundary();
        // Full and ending in a non-blank: nothing can be added any more.
        if (starts && output.size() >= maxLength && !output.endsWith(u' '))
            break;
        const QChar c = source.at(p);
        if (c == u'[') {
            // A keyword only when "]" closes a name of at most 32 characters;
            // otherwise the "[" is an ordinary character.
            const qsizetype close = QStringView(source).mid(p + 1, kKeywordNameWidth + 1).indexOf(u']');
            if (close >= 0) {
                const QString value = EvaluateKeyword(source.mid(p + 1, close));
                if (!Clip(value).isEmpty()) {
                    // Cut and clipped in place: a long text of many
                    // keywords is not copied whole at each of them.
                    output += value;
                    if (output.size() > maxLength)
                        output = CutTo(output, maxLength);
                    qsizetype end = output.size();
                    while (end > 0 && output.at(end - 1) == u' ')
                        --end;
                    output.truncate(end);
                    p += close + 1; // onto the "]"; the loop steps past it
                    lastTaken = false;
                    continue;
                }
            }
        }
        lastTaken = starts ? output.size() < maxLength : lastTaken;
        if (lastTaken)
            output += c;
    }
    return Clip(CutTo(output, maxLength));
}

} // namespace vl
