#include "platform/data/TableFileImpl.h"

#include <limits>

namespace vl {

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

bool KeyCursor::Step(RecordBase& record, bool forward)
{
    TableFile::Impl& d = *file_->impl_;
    if (!file_->OpenForUse())
        return false;
    if (!d.EnsureOpen())
        return false;
    if (state_ == State::Unset)
        return d.Fail(DataError::Make(kRecordNotAvailable));
    const int direction = forward ? 0 : 1;
    const KeySql& sql = d.SqlFor(key_);
    const auto take = [&](SQLite::Statement& statement, int firstColumn) {
        ReadRecord(*d.def, statement, record, key_, &values_, firstColumn);
        pointer_ = record.RecordPointer;
        state_ = State::Positioned;
        inclusive_ = false;
        return d.Succeed();
    };
    try {
        if (state_ == State::Start) {
            StatementUse first(d.Prepare(sql.first[direction]));
            if (first->executeStep())
                return take(*first, 0);
            return d.Fail(DataError::Make(kRecordNotAvailable));
        }
        const StepSql& step = sql.step[direction][inclusive_ ? 1 : 0];
        StatementUse next(d.Prepare(step.sql));
        int index = 1;
        for (const FieldValue& value : values_)
            BindFieldValue(*next, index++, value);
        if (step.bindsPointer) {
            // Backwards from a buffer without a pointer: every record with
            // its values counts as at or before it.
            const bool everyEqual = !forward && inclusive_ && pointer_ == 0;
            next->bind(index, static_cast<int64_t>(everyEqual ? std::numeric_limits<int64_t>::max() : pointer_));
        }
        if (next->executeStep())
            return take(*next, 1);
        return d.Fail(DataError::Make(kRecordNotAvailable));
    } catch (const std::exception& failure) {
        return d.Fail(EngineError(failure, d.name));
    }
}

} // namespace vl
