#include "xplore/PopupItems.h"

#include "platform/runtime/FixedText.h"
#include "xplore/XploreCommands.h"

namespace vl {

namespace {

using namespace XploreCommand;

PopupItem Command(const QString& name, const QString& text, int command)
{
    PopupItem item;
    item.name = name;
    item.checkable = text.startsWith(u'+');
    item.text = item.checkable ? text.mid(1) : text;
    item.command = command;
    return item;
}

PopupItem Separator(const QString& name)
{
    PopupItem item;
    item.kind = PopupItem::Kind::Separator;
    item.name = name;
    return item;
}

PopupItem Submenu(const QString& text, std::vector<PopupItem> items)
{
    PopupItem item;
    item.kind = PopupItem::Kind::Submenu;
    item.name = text;
    item.text = text;
    item.items = std::move(items);
    return item;
}

// One group of mask-dependent items: the items whose bit the mask holds.
struct MaskedItem {
    quint32 bit;
    const char* name;
    const char* text;
    int command;
};

// Appends the group's items the mask holds, after a separator when items
// come before them.
void AddGroup(std::vector<PopupItem>& items, quint32 mask, const char* separator,
              std::initializer_list<MaskedItem> group)
{
    std::vector<PopupItem> present;
    for (const MaskedItem& item : group) {
        if (mask & item.bit)
            present.push_back(Command(QString::fromLatin1(item.name), QString::fromLatin1(item.text), item.command));
    }
    if (present.empty())
        return;
    if (!items.empty())
        items.push_back(Separator(QString::fromLatin1(separator)));
    items.insert(items.end(), present.begin(), present.end());
}

std::vector<PopupItem> ListBoxItems(quint32 mask)
{
    std::vector<PopupItem> items;
    AddGroup(items, mask, "S26",
             {{0x200000, "XPS", "X Pos", kListX},
              {0x400000, "YPS", "Y Pos", kListY},
              {0x800000, "BWI", "Width", kListWidth},
              {0x1000000, "BHI", "Height", kListHeight}});
    AddGroup(items, mask, "S29",
             {{0x4000000, "LHI", "Line Height", kLineHeight},
              {0x8000000, "HSC", "+H Scroll", kHScroll},
              {0x10000000, "VSC", "+V Scroll", kVScroll}});
    AddGroup(items, mask, "S29", {{0x2000000, "FNT", "Font", kFont}});
    return items;
}

std::vector<PopupItem> XploreItems(quint32 mask)
{
    std::vector<PopupItem> items;
    AddGroup(items, mask, "S21", {{0x2000, "MCL", "Move Left", kMoveLeft}, {0x2000, "MCR", "Move Right", kMoveRight}});
    AddGroup(items, mask, "S21",
             {{0x200, "HOS", "Header offset", kHeaderOffset},
              {0x10, "DOS", "Data offset", kDataOffset},
              {0x800, "WID", "Width", kWidth},
              {0x400, "HDR", "Header Text", kHeaderText}});
    AddGroup(items, mask, "S22",
             {{0x1, "FJL", "+Data Just left", kDataLeft},
              {0x2, "FJC", "+Data Just Center", kDataCenter},
              {0x4, "FJR", "+Data Just Right", kDataRight},
              {0x8, "FJD", "+Data Just Decimal", kDataDecimal}});
    AddGroup(items, mask, "S23",
             {{0x20, "HJL", "+Hdr Just left", kHeaderLeft},
              {0x40, "HJC", "+Hdr Just Center", kHeaderCenter},
              {0x80, "HJR", "+Hdr Just Right", kHeaderRight},
              {0x100, "HJD", "+Hdr Just Decimal", kHeaderDecimal}});
    AddGroup(items, mask, "S24",
             {{0x80000, "RSZ", "+Resize", kResize},
              {0x40000, "BDR", "+Border", kBorder},
              {0x20000, "ULI", "+Underline", kUnderline},
              {0x10000, "FXD", "+Fixed", kFixed}});
    AddGroup(items, mask, "S25", {{0x8000, "CLR", "Colors", kColours}});
    std::vector<PopupItem> listBox = ListBoxItems(mask);
    if (!listBox.empty()) {
        if (!items.empty())
            items.push_back(Separator(QStringLiteral("S25")));
        items.push_back(Submenu(QStringLiteral("&ListBox"), std::move(listBox)));
    }
    return items;
}

QString FilterText(const QString& description, const QString& compare, const QString& cell)
{
    return QStringLiteral("Add Filter of (") + description + compare + cell + u')';
}

void Visit(std::vector<PopupItem>& items, const std::function<void(PopupItem&)>& visit)
{
    for (PopupItem& item : items) {
        visit(item);
        Visit(item.items, visit);
    }
}

// The column's check items: its flags and justifications.
bool ColumnCheck(const QString& name, const XploreColumn& column)
{
    if (name == u"FXD")
        return column.fixed;
    if (name == u"ULI")
        return column.underline;
    if (name == u"BDR")
        return column.border;
    if (name == u"RSZ")
        return column.resizable;
    if (name.size() == 3 && name.startsWith(u"HJ"))
        return column.headerJust == name[2];
    if (name.size() == 3 && name.startsWith(u"FJ"))
        return column.dataJust == name[2];
    return false;
}

// Why "Graph on" is disabled; empty when it can act.
QString GraphReason(const XploreColumn* column, const PopupContext& context)
{
    if (!column)
        return QStringLiteral("Right-click the column to graph.");
    if (!context.graph)
        return QStringLiteral("This list draws no graphs.");
    if (!column->graphOk)
        return QStringLiteral("Graphs are drawn only for the columns made for them; this column is not one.");
    return {};
}

} // namespace

std::vector<PopupItem> BuildPopupItems(quint32 mask, const QString& asciiFile, const QString& htmlFile)
{
    std::vector<PopupItem> items;
    items.push_back(Separator(QStringLiteral("S11")));
    items.push_back(Command(QStringLiteral("ADJ"), QStringLiteral("Adjust All Widths"), kAdjustAll));
    items.push_back(Submenu(QStringLiteral("&Filter"),
                            {Command(QStringLiteral("ADDF1"), QStringLiteral("Add Filter of"), kFilterEqual),
                             Command(QStringLiteral("ADDF4"), QStringLiteral("Add Filter of"), kFilterDifferent),
                             Separator(QStringLiteral("S31")),
                             Command(QStringLiteral("ADDF2"), QStringLiteral("Add Filter of"), kFilterBelow),
                             Command(QStringLiteral("ADDF3"), QStringLiteral("Add Filter of"), kFilterAbove),
                             Command(QStringLiteral("EQL"), QStringLiteral("+Add = to Filter"), kInclusiveBounds),
                             Separator(QStringLiteral("S32")),
                             Command(QStringLiteral("VOID"), QStringLiteral("Void Filter"), kVoidFilter)}));
    items.push_back(Command(QStringLiteral("SRT"), QStringLiteral("Sort on"), kSortOn));
    std::vector<PopupItem> xplore = XploreItems(mask);
    if (!xplore.empty())
        items.push_back(Submenu(QStringLiteral("&Xplore"), std::move(xplore)));
    if (mask & 0x100000) {
        items.push_back(Command(QStringLiteral("PRP"), QStringLiteral("Properties"), kProperties));
        items.push_back(Command(QStringLiteral("HID"), QStringLiteral("Hide Column"), kHide));
    }
    items.push_back(Command(QStringLiteral("DEF"), QStringLiteral("Default"), kDefault));
    items.push_back(Submenu(
        QStringLiteral("&Output"),
        {Command(QStringLiteral("GBR"), QStringLiteral("Graph on"), kGraph),
         Command(QStringLiteral("PVW"), QStringLiteral("Print All"), kPrintAll),
         Command(QStringLiteral("PPG"), QStringLiteral("Print Page"), kPrintPage),
         Command(QStringLiteral("ASC"), QStringLiteral("Export to ASCII (") + Clip(asciiFile) + u')', kExportAscii),
         Command(QStringLiteral("HTM"), QStringLiteral("Export to HTML (") + Clip(htmlFile) + u')', kExportHtml)}));
    return items;
}

void PrepareItems(std::vector<PopupItem>& items, const PopupContext& context)
{
    const XploreColumn* column = context.column;
    const QString description = column ? Clip(column->description) : QString();
    const QString cell = CutTo(Clip(context.cell), kPopupCellWidth);
    const QString orEqual = context.inclusiveBounds ? QStringLiteral("=") : QString();
    const bool filterable = column && column->viewField && context.rowSelected;
    auto available = [&](int command) { return !context.available || context.available(command); };

    Visit(items, [&](PopupItem& item) {
        if (item.kind != PopupItem::Kind::Command)
            return;
        const QString& name = item.name;
        item.enabled = true;
        item.checked = false;
        item.reason.clear();
        if (name.startsWith(u"ADDF")) {
            static const QString kCompare[] = {QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">"),
                                               QStringLiteral("<>")};
            const int which = name.mid(4).toInt() - 1;
            const QString compare = kCompare[which] + (which == 1 || which == 2 ? orEqual : QString());
            item.text = filterable ? FilterText(description, compare, cell) : QStringLiteral("Add Filter of");
            item.enabled = filterable;
        } else if (name == u"EQL") {
            item.checked = context.inclusiveBounds;
        } else if (name == u"SRT") {
            item.text = column ? QStringLiteral("Sort on ") + description : QStringLiteral("Sort on");
            item.enabled = column && column->sortable;
        } else if (name == u"GBR") {
            item.text = column ? QStringLiteral("Graph on ") + description : QStringLiteral("Graph on");
            item.reason = GraphReason(column, context);
            item.enabled = item.reason.isEmpty() && available(item.command);
        } else if (name == u"PVW") {
            item.enabled = context.printAll && available(item.command);
        } else if (name == u"PPG") {
            item.enabled = context.printPage && available(item.command);
        } else if (name == u"ASC" || name == u"HTM" || name == u"PRP") {
            item.enabled = available(item.command);
        } else if (name == u"HID") {
            item.enabled = column && context.shownColumns > 1;
        } else if (name == u"CLR") {
            item.enabled = column && available(item.command);
        } else if (name == u"HSC" || name == u"VSC") {
            item.checked = name == u"HSC" ? context.hScroll : context.vScroll;
        } else if (name == u"ADJ" || name == u"DEF" || name == u"VOID" || name == u"XPS" || name == u"YPS" ||
                   name == u"BWI" || name == u"BHI" || name == u"LHI" || name == u"FNT") {
            // List commands: they need no column.
        } else {
            // The column's own attribute items.
            item.enabled = column != nullptr;
            item.checked = column && ColumnCheck(name, *column);
        }
    });
}

PopupItem* FindPopupItem(std::vector<PopupItem>& items, const QString& name)
{
    for (PopupItem& item : items) {
        if (item.name == name)
            return &item;
        if (PopupItem* inside = FindPopupItem(item.items, name))
            return inside;
    }
    return nullptr;
}

} // namespace vl
