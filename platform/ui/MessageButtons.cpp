#include "platform/ui/MessageButtons.h"

#include <array>

namespace vl {
namespace {

struct StandardLabel {
    StandardButton button;
    const char* label;
};

// The order in which standard buttons appear, and their labels.
constexpr std::array<StandardLabel, 7> kStandardLabels{{
    {ButtonOk, "&OK"},
    {ButtonYes, "&Yes"},
    {ButtonNo, "&No"},
    {ButtonAbort, "&Abort"},
    {ButtonRetry, "&Retry"},
    {ButtonIgnore, "&Ignore"},
    {ButtonCancel, "Cancel"},
}};

} // namespace

QString PlainButtonLabel(const QString& label)
{
    // "&&" stands for one literal ampersand.
    QString text;
    for (int i = 0; i < label.size(); ++i) {
        if (label.at(i) == QLatin1Char('&')) {
            if (i + 1 < label.size() && label.at(i + 1) == QLatin1Char('&'))
                text += label.at(++i);
            continue;
        }
        text += label.at(i);
    }
    return text.trimmed();
}

QStringList SplitButtonList(const QString& buttons)
{
    if (buttons.trimmed().isEmpty())
        return {QStringLiteral("OK")};
    return buttons.split(QLatin1Char('|'));
}

QString StandardButtonList(StandardButtons buttons)
{
    QStringList labels;
    for (const StandardLabel& entry : kStandardLabels) {
        if (buttons & entry.button)
            labels << QLatin1String(entry.label);
    }
    return labels.join(QLatin1Char('|'));
}

int StandardButtonNumber(StandardButtons buttons, StandardButton button)
{
    if (!(buttons & button))
        return 0;
    int number = 0;
    for (const StandardLabel& entry : kStandardLabels) {
        if (buttons & entry.button) {
            ++number;
            if (entry.button == button)
                return number;
        }
    }
    return 0;
}

StandardButtons StandardButtonAt(StandardButtons buttons, int number)
{
    int seen = 0;
    for (const StandardLabel& entry : kStandardLabels) {
        if ((buttons & entry.button) && ++seen == number)
            return entry.button;
    }
    return 0;
}

int ValidDefaultButton(int defaultButton, int buttonCount)
{
    return defaultButton >= 1 && defaultButton <= buttonCount ? defaultButton : 1;
}

int EscapeButton(const QStringList& labels)
{
    for (int i = 0; i < labels.size(); ++i) {
        if (PlainButtonLabel(labels.at(i)).compare(QLatin1String("Cancel"), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return labels.size() == 1 ? 1 : 0;
}

QString MessageLines(const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return lines;
}

} // namespace vl
