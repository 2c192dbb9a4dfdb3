#pragma once
// The fields that tasks, contacts and to-do items carry as delimited text,
// in the order an export offers them and an import lists its targets, each
// with the picture an export writes it with by default.

#include <QString>

#include <vector>

namespace vl {

struct ExchangeField {
    QString name;    // the table's field name ("TDO:Priority")
    QString picture; // default picture ("@n2")
};

enum class ExchangeTable { Schedule, Contacts, Todo };

struct ExchangeTableInfo {
    ExchangeTable table;
    QString label;              // the table's label, named in messages
    QString exportProcedure;    // the frame's procedure names
    QString importProcedure;
    std::vector<ExchangeField> fields;
};

const ExchangeTableInfo& ExchangeInfo(ExchangeTable table);

} // namespace vl
