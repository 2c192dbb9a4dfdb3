#include "xplore/ColumnTable.h"

#include "xplore/FormatString.h"

#include <algorithm>
#include <set>

namespace vl {

namespace {
// The width a column shown again takes when it has none (dialog units).
constexpr int kAddedColumnWidth = 10;
} // namespace

QChar XploreColumn::PictureType() const
{
    const QString text = picture.trimmed();
    if (text.isEmpty())
        return u'S';
    const int at = text.startsWith(u'@') ? 1 : 0;
    return at < text.size() ? text[at].toUpper() : QChar(u'S');
}

void ColumnTable::Load(const std::vector<ColumnDefinition>& definitions)
{
    all_.clear();
    shown_.clear();
    int field = 0;
    int order = 0;
    for (const ColumnDefinition& definition : definitions) {
        ++field;
        ++order;
        const int fieldNumber = field;
        if (definition.colours)
            field += 4;
        if (definition.icon)
            field += 1;
        if (definition.locator == u'X' && !definition.displayed)
            continue;
        XploreColumn column;
        column.field = definition.field;
        column.description = definition.description;
        column.header = definition.header;
        column.picture = definition.picture;
        column.fieldNumber = fieldNumber;
        column.tableOrder = order;
        column.width = definition.width;
        column.headerJust = definition.justification;
        column.dataJust = definition.justification;
        column.designed = definition.displayed;
        column.viewField = definition.viewField;
        column.graphOk = definition.graph;
        column.totalOk = definition.total;
        column.sortable = definition.sortable;
        column.hasColours = definition.colours;
        column.hasIcon = definition.icon;
        all_.push_back(column);
        if (definition.displayed)
            shown_.push_back(column);
    }
    designed_ = BuildFormatString();
}

XploreColumn* ColumnTable::ShownAt(int position)
{
    return position >= 1 && position <= ShownCount() ? &shown_[position - 1] : nullptr;
}

const XploreColumn* ColumnTable::ShownAt(int position) const
{
    return position >= 1 && position <= ShownCount() ? &shown_[position - 1] : nullptr;
}

int ColumnTable::PositionOf(int fieldNumber) const
{
    for (const XploreColumn& column : shown_) {
        if (column.fieldNumber == fieldNumber)
            return column.position;
    }
    return 0;
}

const XploreColumn* ColumnTable::ByField(int fieldNumber) const
{
    for (const XploreColumn& column : all_) {
        if (column.fieldNumber == fieldNumber)
            return &column;
    }
    return nullptr;
}

void ColumnTable::Number()
{
    for (int i = 0; i < ShownCount(); ++i)
        shown_[i].position = i + 1;
}

QString ColumnTable::BuildFormatString()
{
    for (XploreColumn& column : shown_) {
        if (column.picture.isEmpty())
            column.picture = QString::fromLatin1(kDefaultColumnPicture);
    }
    Number();
    return vl::BuildFormatString(shown_);
}

bool ColumnTable::ApplyFormatString(const QString& text)
{
    const auto segments = ParseFormatString(text);
    if (!segments)
        return false;
    std::vector<XploreColumn> shown;
    std::set<int> seen;
    for (const XploreColumn& segment : *segments) {
        const XploreColumn* known = ByField(segment.fieldNumber);
        if (!known || !seen.insert(segment.fieldNumber).second)
            return false;
        XploreColumn column = *known;
        // A column shown before keeps the direction the list is sorted in.
        for (const XploreColumn& before : shown_) {
            if (before.fieldNumber == column.fieldNumber)
                column.descending = before.descending;
        }
        column.width = segment.width;
        column.dataJust = segment.dataJust;
        column.dataOffset = segment.dataOffset;
        column.headerJust = segment.headerJust;
        column.headerOffset = segment.headerOffset;
        column.fixed = segment.fixed;
        column.underline = segment.underline;
        column.resizable = segment.resizable;
        column.border = segment.border;
        column.header = segment.header;
        column.picture = segment.picture;
        column.colours = segment.colours;
        shown.push_back(column);
    }
    shown_ = std::move(shown);
    Number();
    return true;
}

bool ColumnTable::Hide(int position)
{
    if (ShownCount() <= 1 || !ShownAt(position))
        return false;
    const XploreColumn& hidden = shown_[position - 1];
    for (XploreColumn& column : all_) {
        if (column.fieldNumber == hidden.fieldNumber) {
            column = hidden;
            column.position = 0;
        }
    }
    shown_.erase(shown_.begin() + (position - 1));
    Number();
    return true;
}

int ColumnTable::Show(int fieldNumber)
{
    const XploreColumn* column = ByField(fieldNumber);
    if (!column || PositionOf(fieldNumber) != 0)
        return 0;
    XploreColumn shown = *column;
    if (shown.width == 0)
        shown.width = kAddedColumnWidth;
    shown_.push_back(shown);
    Number();
    return ShownCount();
}

bool ColumnTable::Move(int position, int step)
{
    const int target = position + step;
    if (!ShownAt(position) || !ShownAt(target))
        return false;
    std::swap(shown_[position - 1], shown_[target - 1]);
    Number();
    return true;
}

void ColumnTable::SetWidth(int position, int width)
{
    if (XploreColumn* column = ShownAt(position))
        column->width = std::max(0, width);
}

void ColumnTable::SetSortOrder(int fieldNumber, int order)
{
    for (auto* columns : {&all_, &shown_}) {
        for (XploreColumn& column : *columns) {
            if (column.fieldNumber == fieldNumber) {
                column.sortOrder = order;
                column.sortable = order != 0;
            }
        }
    }
}

} // namespace vl
