#include "scheduler/engine/TableStamp.h"

namespace vl {

std::optional<TableStamp> TableStamp::Of(TableFile& table)
{
    std::shared_ptr<DataConnection> connection;
    QString name;
    if (!table.Storage(connection, name))
        return std::nullopt;
    try {
        TableStamp stamp;
        stamp.connection_ = connection;
        stamp.committed_ = connection->Committed();
        stamp.changeMark_ = connection->ChangeMark();
        return stamp;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool TableStamp::operator==(const TableStamp& other) const
{
    // A table closed and opened again has another connection: a change.
    return connection_.lock() == other.connection_.lock() && committed_ == other.committed_
           && changeMark_ == other.changeMark_;
}

} // namespace vl
