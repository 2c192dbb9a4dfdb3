#include "scripting/items/FileActionPrompts.h"

#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

struct Row {
    std::initializer_list<const char16_t*> subActions;
    FileActionPrompts prompts;
};

const Row kRows[] = {
    {{u"Delete", u"Recycle", u"Get File Date", u"Get File Time", u"Get File Size", u"If File Exists"},
     {QStringLiteral("&File:"), {}, true, false, false}},
    {{u"Make Directory", u"Remove Directory"}, {QStringLiteral("&Directory:"), {}, true, false, false}},
    {{u"Log Windows"}, {}},
    {{u"FTP Upload"}, {QStringLiteral("&Local file:"), QStringLiteral("&Upload to:"), true, false, true}},
    {{u"FTP Download"}, {QStringLiteral("&Path/Filename:"), QStringLiteral("&Save As:"), false, true, true}},
    {{u"HTTP Download"}, {QStringLiteral("&URL:"), QStringLiteral("&Save As:"), false, true, false}},
};

} // namespace

FileActionPrompts PromptsForFileAction(QStringView subAction)
{
    const QString name = Clip(subAction.toString());
    for (const Row& row : kRows) {
        for (const char16_t* known : row.subActions) {
            if (name == QStringView(known))
                return row.prompts;
        }
    }
    // Copy, Move and Rename.
    return {QStringLiteral("&From:"), QStringLiteral("&To:"), true, true, false};
}

} // namespace vl
