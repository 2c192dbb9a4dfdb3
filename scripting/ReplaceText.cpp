#include "scripting/ReplaceText.h"

#include "platform/runtime/FixedText.h"

namespace vl {

void ReplaceText(QString& text, int width, const QString& search, const QString& replacement,
                 bool ignoreCase)
{
    QString variable = PadTo(text, width);
    // An empty search text would "match" before every character and insert
    // the replacement everywhere.
    if (search.isEmpty()) {
        text = variable;
        return;
    }
    const qsizetype length = search.size();
    const QString upperSearch = search.toUpper();
    for (qsizetype position = width; position >= 1; --position) {
        const qsizetype start = position - 1;
        if (start + length > width)
            continue; // the search text cannot fit from here to the end
        const QString part = variable.mid(start, length);
        const bool match = part == search || (ignoreCase && part.toUpper() == upperSearch);
        if (match)
            variable = PadTo(variable.left(start) + replacement + variable.mid(start + length), width);
    }
    text = variable;
}

} // namespace vl
