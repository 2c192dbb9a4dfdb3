#pragma once
// The commands of an Xplore list, numbered as the list's events: the popup
// items post them, the keys of the list and the "Format Listbox..." window
// run them too.

namespace vl::XploreCommand {

inline constexpr int kMoveLeft = 1034;
inline constexpr int kMoveRight = 1035;
inline constexpr int kDefault = 1036;
inline constexpr int kHeaderLeft = 1037;
inline constexpr int kHeaderRight = 1038;
inline constexpr int kHeaderCenter = 1039;
inline constexpr int kHeaderDecimal = 1040;
inline constexpr int kDataLeft = 1041;
inline constexpr int kDataRight = 1042;
inline constexpr int kDataCenter = 1043;
inline constexpr int kDataDecimal = 1044;
inline constexpr int kProperties = 1045;
inline constexpr int kWidth = 1046;
inline constexpr int kHeaderOffset = 1047;
inline constexpr int kDataOffset = 1048;
inline constexpr int kHeaderText = 1050;
inline constexpr int kFixed = 1051;
inline constexpr int kUnderline = 1052;
inline constexpr int kBorder = 1053;
inline constexpr int kResize = 1054;
inline constexpr int kListX = 1055;
inline constexpr int kListY = 1056;
inline constexpr int kListWidth = 1057;
inline constexpr int kListHeight = 1058;
inline constexpr int kFont = 1059;
inline constexpr int kLineHeight = 1060;
inline constexpr int kHScroll = 1061;
inline constexpr int kVScroll = 1062;
inline constexpr int kColours = 1063;
inline constexpr int kHide = 1065;
inline constexpr int kAdjustAll = 1067;
inline constexpr int kSortOn = 1068;
inline constexpr int kPrintPage = 1069;
inline constexpr int kPrintAll = 1070;
inline constexpr int kGraph = 1071;
inline constexpr int kExportAscii = 1072;
inline constexpr int kExportHtml = 1073;
inline constexpr int kFilterEqual = 1074;     // the column equals the cell
inline constexpr int kFilterBelow = 1075;     // the column is below the cell
inline constexpr int kFilterAbove = 1076;     // the column is above the cell
inline constexpr int kFilterDifferent = 1077; // the column differs from the cell
inline constexpr int kVoidFilter = 1078;
inline constexpr int kInclusiveBounds = 1079; // "<" and ">" include the cell's value

} // namespace vl::XploreCommand
