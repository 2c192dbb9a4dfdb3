#include "xplore/AttributePrompts.h"

#include "platform/runtime/FixedText.h"
#include "xplore/XploreCommands.h"

namespace vl {

namespace {

struct Code {
    const char* code;
    int command;
    const char* caption; // nullptr: the column's header
    const char* prompt;
    int maximum;
};

// Offsets are bytes; widths, places and heights 16-bit.
constexpr Code kCodes[] = {
    {"WID", XploreCommand::kWidth, nullptr, "Width:", 32767},
    {"HOS", XploreCommand::kHeaderOffset, nullptr, "Header offset:", 255},
    {"DOS", XploreCommand::kDataOffset, nullptr, "Data offset:", 255},
    {"XPS", XploreCommand::kListX, "X Pos", "X Pos:", 32767},
    {"YPS", XploreCommand::kListY, "Y Pos", "Y Pos:", 32767},
    {"BWI", XploreCommand::kListWidth, "Width", "Width:", 32767},
    {"BHI", XploreCommand::kListHeight, "Height", "Height:", 32767},
    {"LHI", XploreCommand::kLineHeight, "Line Height", "Line Height:", 255},
};

const Code* Find(const QString& code)
{
    for (const Code& entry : kCodes) {
        if (code == QLatin1String(entry.code))
            return &entry;
    }
    return nullptr;
}

// The member a code changes.
int* Target(const QString& code, XploreColumn* column, ListAppearance& list)
{
    if (code == u"WID")
        return column ? &column->width : nullptr;
    if (code == u"HOS")
        return column ? &column->headerOffset : nullptr;
    if (code == u"DOS")
        return column ? &column->dataOffset : nullptr;
    if (code == u"XPS")
        return &list.x;
    if (code == u"YPS")
        return &list.y;
    if (code == u"BWI")
        return &list.width;
    if (code == u"BHI")
        return &list.height;
    if (code == u"LHI")
        return &list.lineHeight;
    return nullptr;
}

} // namespace

std::optional<AttributePrompt> AttributePromptFor(const QString& code, const XploreColumn* column,
                                                  const ListAppearance& list)
{
    const Code* entry = Find(code);
    if (!entry || (!entry->caption && !column))
        return std::nullopt;
    ListAppearance copy = list;
    XploreColumn columnCopy = column ? *column : XploreColumn{};
    AttributePrompt prompt;
    prompt.ofColumn = entry->caption == nullptr;
    prompt.caption = CutTo(prompt.ofColumn ? Clip(column->header) : QString::fromLatin1(entry->caption),
                           kAttributeCaptionWidth);
    prompt.prompt = QString::fromLatin1(entry->prompt);
    prompt.maximum = entry->maximum;
    prompt.value = *Target(code, column ? &columnCopy : nullptr, copy);
    return prompt;
}

QString AttributeCode(int command)
{
    for (const Code& entry : kCodes) {
        if (entry.command == command)
            return QString::fromLatin1(entry.code);
    }
    return QString();
}

void ApplyAttribute(const QString& code, int value, XploreColumn* column, ListAppearance& list)
{
    if (int* target = Target(code, column, list))
        *target = value;
}

AttributePrompt HeaderTextPrompt(const XploreColumn& column)
{
    AttributePrompt prompt;
    prompt.caption = CutTo(QStringLiteral("Header Text: ") + Clip(column.header), kAttributeCaptionWidth);
    prompt.prompt = QStringLiteral("Header Text:");
    prompt.maximum = kHeaderTextWidth;
    prompt.ofColumn = true;
    return prompt;
}

} // namespace vl
