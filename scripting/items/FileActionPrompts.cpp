#include "scripting/items/FileActionPrompts.h"

#include "platform/runtime/FixedText.h"

#include <algorithm>
#include <iterator>

namespace vl {
namespace {

struct Row {
    const char16_t* subAction;
    const char* first;
    const char* second;
    bool firstButton;
    bool secondButton;
    bool ftp;
};

// Copy, Move and Rename, and any text that is no sub-action, ask as the
// last row does.
constexpr Row kRows[] = {
    {u"Delete", "&File:", "", true, false, false},
    {u"Recycle", "&File:", "", true, false, false},
    {u"Get File Date", "&File:", "", true, false, false},
    {u"Get File Time", "&File:", "", true, false, false},
    {u"Get File Size", "&File:", "", true, false, false},
    {u"If File Exists", "&File:", "", true, false, false},
    {u"Make Directory", "&Directory:", "", true, false, false},
    {u"Remove Directory", "&Directory:", "", true, false, false},
    {u"Log Windows", "", "", false, false, false},
    {u"FTP Upload", "&Local file:", "&Upload to:", true, false, true},
    {u"FTP Download", "&Path/Filename:", "&Save As:", false, true, true},
    {u"HTTP Download", "&URL:", "&Save As:", false, true, false},
    {u"Copy", "&From:", "&To:", true, true, false},
};

} // namespace

FileActionPrompts PromptsForFileAction(QStringView subAction)
{
    const QString name = Clip(subAction.toString());
    const Row* row = std::find_if(std::begin(kRows), std::end(kRows) - 1,
                                  [&name](const Row& r) { return name == QStringView(r.subAction); });
    return {QLatin1String(row->first), QLatin1String(row->second), row->firstButton, row->secondButton, row->ftp};
}

} // namespace vl
