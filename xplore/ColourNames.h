#pragma once
// The colour names the Xplore windows offer (column colours, graph colours),
// in their fixed order, with the stored colour values they stand for
// (0xBBGGRR; -1 "None", the list's own colour). Names compare exactly, in
// their letter case, without trailing blanks.

#include <QString>
#include <QStringList>

#include <optional>

namespace vl {

struct ColourName {
    const char* name;
    int value;
};

// The 17 names, "None" first and "White" last.
inline constexpr ColourName kColourNames[] = {
    {"None", -1},         {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},   {"Gray", 0x808080},  {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},    {"Lime", 0x00FF00},   {"Yellow", 0x00FFFF}, {"Blue", 0xFF0000},  {"Fuschia", 0xFF00FF},
    {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};
inline constexpr int kColourNameCount = sizeof(kColourNames) / sizeof(kColourNames[0]);

// The value of a name; nothing for a name the table does not hold.
std::optional<int> ColourFromName(const QString& name);
// The position (1-based) of a value in the table; nothing for another value.
std::optional<int> ColourPosition(int value);
// The names in table order, as pick lists show them.
QStringList ColourPickList();

} // namespace vl
