#pragma once
// The one-value prompts of an Xplore list: a small window that changes one
// number of the column under the mouse or of the list (width, offsets,
// position, size, line height) at once as the user edits it, and one that
// changes a column's header text.

#include "xplore/ListLayout.h"
#include "xplore/XploreColumn.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr int kAttributeCaptionWidth = 20;
// A header text is cut to this many characters.
inline constexpr int kHeaderTextWidth = 25;

struct AttributePrompt {
    QString caption;
    QString prompt;
    int value = 0;
    int maximum = 0;       // the largest value; of a text, its most characters
    bool ofColumn = false; // the value belongs to the column (else to the list)
};

// The prompt of a code ("WID", "HOS", "DOS", "XPS", "YPS", "BWI", "BHI",
// "LHI") with its starting value; nothing for another code, or for a
// column's code without a column.
std::optional<AttributePrompt> AttributePromptFor(const QString& code, const XploreColumn* column,
                                                  const ListAppearance& list);
// The code of an attribute command (XploreCommands.h); empty for another.
QString AttributeCode(int command);
// Puts a value the user entered where the code keeps it.
void ApplyAttribute(const QString& code, int value, XploreColumn* column, ListAppearance& list);

// The header text prompt of a column.
AttributePrompt HeaderTextPrompt(const XploreColumn& column);

} // namespace vl
