#include "scripting/KeyNames.h"

#include <QHash>

#include <array>

namespace vl {
namespace {

constexpr int kLetters = 26;
constexpr int kDigits = 10;
constexpr int kFunctionKeys = 12;

struct NameTable {
    std::array<QByteArray, kLetters + kDigits + kFunctionKeys + kDigits> generated;
    QList<KeyName> names;
    QHash<QString, int> numbers;
};

constexpr KeyName kNamedKeys[] = {
    {"AST", 106},        {"BS", 8},          {"CAPSLOCK", 20},      {"CAPS", 20},        {"DECIMAL", 110},
    {"DELETE", 46},      {"DOWN", 40},       {"END", 35},           {"ENTER", 13},       {"ESC", 27},
    {"HOME", 36},        {"INSERT", 45},     {"LEFT", 37},          {"MINUS", 109},      {"MOUSECENTER", 3},
    {"MOUSECENTER2", 7}, {"MOUSE", 1},       {"MOUSELEFT", 1},      {"MOUSELEFT2", 5},   {"MOUSERIGHT", 2},
    {"MOUSERIGHT2", 6},  {"PAUSE", 19},      {"PGDN", 34},          {"PGUP", 33},        {"PLUS", 107},
    {"PRINT", 44},       {"RIGHT", 39},      {"SLASH", 111},        {"SPACE", 32},       {"TAB", 9},
    {"UP", 38},
};

const NameTable& Table()
{
    static const NameTable table = [] {
        NameTable t;
        std::size_t slot = 0;
        const auto add = [&](const QByteArray& name, int number) {
            t.generated[slot] = name;
            t.names.append({t.generated[slot].constData(), number});
            ++slot;
        };
        for (int i = 0; i < kLetters; ++i)
            add(QByteArray(1, static_cast<char>('A' + i)), 'A' + i);
        for (int i = 0; i < kDigits; ++i)
            add(QByteArray(1, static_cast<char>('0' + i)), '0' + i);
        for (int i = 1; i <= kFunctionKeys; ++i)
            add("F" + QByteArray::number(i), 111 + i);
        for (int i = 0; i < kDigits; ++i)
            add("PAD" + QByteArray::number(i), 96 + i);
        for (const KeyName& key : kNamedKeys)
            t.names.append(key);
        for (const KeyName& key : t.names)
            t.numbers.insert(QString::fromLatin1(key.name), key.number);
        return t;
    }();
    return table;
}

} // namespace

std::span<const KeyName> KeyNames()
{
    const QList<KeyName>& names = Table().names;
    return {names.constData(), static_cast<std::size_t>(names.size())};
}

int KeyNumber(const QString& name) { return Table().numbers.value(name, 0); }

QString KeyListText()
{
    QString text = QStringLiteral(
        "Keys that Send Keys presses\n"
        "===========================\n"
        "\n"
        "Write a key in square brackets: [Enter], [F5], [Tab].\n"
        "Put modifiers before the key name:\n"
        "  +  or Shift    Shift      [+Tab]  [ShiftTab]\n"
        "  ^  or Ctrl     Ctrl       [^C]    [Ctrl-C]  [CtrlKeyC]\n"
        "  %  or Alt      Alt        [%F4]   [Alt-F4]\n"
        "Modifiers combine: [^+Home] presses Ctrl+Shift+Home.\n"
        "A \"-\" between the parts is allowed, case does not matter,\n"
        "and the word \"Key\" may stand once before the name.\n"
        "\n"
        "A bracketed name that is not a key is a keyword: [TODAY]\n"
        "types today's date, [=1+2] types 3. [[] types a \"[\".\n"
        "\n"
        "Key names\n"
        "---------\n");
    constexpr int kPerLine = 6;
    constexpr int kColumn = 14;
    int column = 0;
    for (const KeyName& key : KeyNames()) {
        text += QString::fromLatin1(key.name).leftJustified(kColumn);
        if (++column == kPerLine) {
            text = text.trimmed() + QLatin1Char('\n');
            column = 0;
        }
    }
    return text.trimmed() + QLatin1Char('\n');
}

} // namespace vl
