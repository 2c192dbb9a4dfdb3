#pragma once
// The order of a table view: fields, each ascending or descending and
// compared with or without regard to case, then the record pointer as the
// last tie-break (ascending as the view runs forward), so records with equal
// values keep record order and every record has a place of its own. An order
// without fields is file sequence (record order).
//
//   ViewOrder byDate = KeyOrder(def, SCH_KEYDATE);
//   ViewOrder header;
//   QString error;
//   ParseViewOrder(def, "-UPPER(SCH:Description)", header, error);

#include "platform/data/TableDef.h"

#include <QString>

#include <vector>

namespace vl {

struct OrderPart {
    QString field;           // "SCH:Description" as declared
    bool descending = false;
    // Text compared clipped and upper-cased (the layer's case-insensitive
    // collation, the one keys use); ignored for numbers.
    bool noCase = false;

    bool operator==(const OrderPart&) const = default;
};

struct ViewOrder {
    std::vector<OrderPart> parts; // empty: file sequence

    bool IsFileSequence() const { return parts.empty(); }
    bool operator==(const ViewOrder&) const = default;
};

// The order of a declared key (file sequence for FileOrder). An unknown key
// gives false and a message naming it.
bool KeyOrder(const TableDef& def, KeyRef key, ViewOrder& order, QString& error);

// Reads an order text: segments separated by commas, each an optional "+"
// (ascending) or "-" (descending) followed by a field label, or by
// UPPER(label) for a text compared without regard to case:
// "+UPPER(SCH:Description)", "-SCH:Date,SCH:Time". An empty text is file
// sequence. On failure the order is left as it was and the message says
// which segment is wrong and why.
bool ParseViewOrder(const TableDef& def, const QString& text, ViewOrder& order, QString& error);

// The text ParseViewOrder reads back to the same order.
QString ViewOrderText(const ViewOrder& order);

} // namespace vl
