#include "platform/data/TableFileImpl.h"

#include <algorithm>
#include <limits>

namespace vl {

namespace {

// The largest page a walk reads at once. Pages start at one record after
// each positioning and grow while they are used up, so a lookup reads no
// more than it needs and a long walk seeks once per page.
constexpr int kLargestPage = 256;
constexpr int kPageGrowth = 4;

} // namespace

KeyCursor::KeyCursor(TableFile& file) : file_(&file) {}

bool KeyCursor::Begin(KeyRef key, State state)
{
    TableFile::Impl& d = *file_->impl_;
    int index = -1;
    if (!file_->OpenForUse() || !d.EnsureOpen() || !d.ResolveKey(key, index))
        return false;
    key_ = index;
    state_ = state;
    values_.clear();
    ahead_.clear();
    next_ = 0;
    page_ = 1;
    return true;
}

bool KeyCursor::Set(KeyRef key)
{
    TableFile::Impl& d = *file_->impl_;
    if (!Begin(key, State::Start))
        return false;
    pointer_ = 0;
    inclusive_ = false;
    return d.Succeed();
}

bool KeyCursor::Set(KeyRef key, const RecordBase& position)
{
    TableFile::Impl& d = *file_->impl_;
    if (!Begin(key, State::Positioned))
        return false;
    if (key_ >= 0) {
        for (const KeyComponent& component : d.def->Keys()[key_].components)
            values_.push_back(d.def->StoredValue(component.field, position));
    }
    pointer_ = position.RecordPointer;
    inclusive_ = true;
    return d.Succeed();
}

bool KeyCursor::Next(RecordBase& record)
{
    return Step(record, true);
}

bool KeyCursor::Previous(RecordBase& record)
{
    return Step(record, false);
}

bool KeyCursor::AheadValid(bool forward)
{
    if (next_ >= ahead_.size() || aheadForward_ != forward)
        return false;
    DataConnection& connection = *file_->impl_->connection;
    return connection.ChangeMark() == aheadMark_ && connection.DataVersion() == aheadVersion_;
}

void KeyCursor::ReadAhead(bool forward)
{
    TableFile::Impl& d = *file_->impl_;
    DataConnection& connection = *d.connection;
    const int direction = forward ? 0 : 1;
    const KeySql& sql = d.SqlFor(key_);
    // A page used up lets the next one grow; after a change of our own, a
    // turn or a new position the reading starts small again.
    const bool usedUp = !ahead_.empty() && next_ >= ahead_.size() && aheadForward_ == forward &&
                        connection.ChangeMark() == aheadMark_;
    page_ = usedUp ? std::min(page_ * kPageGrowth, kLargestPage) : 1;
    ahead_.clear();
    next_ = 0;
    aheadForward_ = forward;

    // The parts and the data version are read in one state of the file.
    ReadTransaction reading(connection);
    aheadMark_ = connection.ChangeMark();
    aheadVersion_ = connection.DataVersion();
    const auto read = [&](SQLite::Statement& statement) {
        while (static_cast<int>(ahead_.size()) < page_ && statement.executeStep()) {
            Row row;
            row.values = ReadValues(*d.def, statement, row.pointer);
            ahead_.push_back(std::move(row));
        }
    };
    if (state_ == State::Start) {
        StatementUse first(d.Prepare(sql.first[direction]));
        first->bind(1, page_);
        read(*first);
        return;
    }
    const int n = static_cast<int>(values_.size());
    // Backwards from a buffer without a pointer: every record with its values
    // counts as at or before it.
    const bool everyEqual = !forward && inclusive_ && pointer_ == 0;
    for (const std::string& part : sql.step[direction][inclusive_ ? 1 : 0]) {
        if (static_cast<int>(ahead_.size()) >= page_)
            break;
        StatementUse step(d.Prepare(part));
        for (int i = 0; i < n; ++i)
            BindFieldValue(*step, i + 1, values_[i]);
        step->bind(n + 1, static_cast<int64_t>(everyEqual ? std::numeric_limits<int64_t>::max() : pointer_));
        step->bind(n + 2, page_ - static_cast<int>(ahead_.size()));
        read(*step);
    }
}

void KeyCursor::Take(RecordBase& record)
{
    const TableDef& def = *file_->impl_->def;
    const Row& row = ahead_[next_++];
    SetValues(def, row.values, record);
    record.RecordPointer = row.pointer;
    values_.clear();
    if (key_ >= 0) {
        for (const KeyComponent& component : def.Keys()[key_].components)
            values_.push_back(row.values[component.field]);
    }
    pointer_ = row.pointer;
    state_ = State::Positioned;
    inclusive_ = false;
}

bool KeyCursor::Step(RecordBase& record, bool forward)
{
    TableFile::Impl& d = *file_->impl_;
    if (!file_->OpenForUse())
        return false;
    if (!d.EnsureOpen())
        return false;
    if (state_ == State::Unset)
        return d.Fail(DataError::Make(kRecordNotAvailable));
    try {
        if (!AheadValid(forward))
            ReadAhead(forward);
        if (next_ >= ahead_.size())
            return d.Fail(DataError::Make(kRecordNotAvailable));
        Take(record);
        return d.Succeed();
    } catch (const std::exception& failure) {
        ahead_.clear();
        next_ = 0;
        return d.Fail(EngineError(failure, d.name));
    }
}

} // namespace vl
