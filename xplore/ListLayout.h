#pragma once
// The saved layout of an Xplore list in the position INI file: in the
// section of the list's procedure ("BrowseHolidays"), keys named by a prefix
// and the list control's name ("XploreFormatString-?Browse:1" + layout
// number). A layout is saved when the list closes and restored when it
// opens. The designed format string is saved too: once the program's design
// of the list changes, the saved layout no longer matches it and is ignored.

#include "platform/runtime/IniFile.h"

#include <QString>

#include <vector>

namespace vl {

// The list's own attributes, as designed and as the user changed them.
// Position and size in dialog units, line height in pixels, the font's
// colour as a stored colour value (0xBBGGRR, -1 the default) and its style
// as the runtime numbers it (400 regular, 700 bold, + 0x1000 italic,
// + 0x2000 underline, + 0x4000 strikeout).
struct ListAppearance {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool hScroll = false;
    bool vScroll = false;
    int lineHeight = 0;
    QString font;
    int point = 0;
    int colour = -1;
    int style = 400;

    bool operator==(const ListAppearance&) const = default;
};

struct SavedLayout {
    // The format string of each saved layout; layout 1 is the current one.
    std::vector<QString> formats;
    // The designed format string the layout was saved with.
    QString designedFormat;
    ListAppearance appearance;
    // The display position of the sort column (0 = none) and its direction.
    int sortPosition = 0;
    bool descending = false;
};

struct RestoredLayout {
    std::vector<QString> formats;
    ListAppearance appearance;
    bool descending = false; // the direction the next column sorted takes
    bool designChanged = false; // nothing saved, or saved for another design
};

// Writes every key in one rewrite of the file; false when it cannot be written.
bool SaveListLayout(IniFile& ini, const QString& procedure, const QString& control, const SavedLayout& layout);

// Reads the saved layout of a list whose design is given. Missing or
// unreadable entries take the designed values. When the saved designed
// format string differs from the list's, nothing else is read: every layout
// is the designed one. Position and size are read only when the list lets
// its position and size be saved.
RestoredLayout RestoreListLayout(const IniFile& ini, const QString& procedure, const QString& control,
                                 const QString& designedFormat, const ListAppearance& designed, int layoutCount,
                                 bool restorePlace);

} // namespace vl
