#include "platform/data/TableFileImpl.h"

#include "platform/data/NoCaseCollation.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <limits>

namespace vl {

namespace {

// The largest page a walk reads at once. Pages start at one record after
// each positioning and grow while they are used up, so a lookup reads no
// more than it needs and a long walk seeks once per page.
constexpr int kLargestPage = 256;
constexpr int kPageGrowth = 4;

// <0, 0, >0 as value a sorts before, with or after b in one key component,
// as the engine orders them: numbers before texts, texts by the component's
// collation (binary: byte by byte in UTF-8).
int CompareComponent(const FieldValue& a, const FieldValue& b, bool noCase)
{
    const auto* text = std::get_if<QString>(&a);
    const auto* otherText = std::get_if<QString>(&b);
    if (text && otherText) {
        const QByteArray left = text->toUtf8();
        const QByteArray right = otherText->toUtf8();
        if (noCase)
            return CompareNoCase(left, right);
        const int order = std::memcmp(left.constData(), right.constData(),
                                      static_cast<size_t>(std::min(left.size(), right.size())));
        return order != 0 ? order : (left.size() > right.size()) - (left.size() < right.size());
    }
    if (text || otherText)
        return text ? 1 : -1;
    const auto* whole = std::get_if<int64_t>(&a);
    const auto* otherWhole = std::get_if<int64_t>(&b);
    if (whole && otherWhole)
        return (*whole > *otherWhole) - (*whole < *otherWhole);
    const double left = whole ? static_cast<double>(*whole) : std::get<double>(a);
    const double right = otherWhole ? static_cast<double>(*otherWhole) : std::get<double>(b);
    return (left > right) - (left < right);
}

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
    return connection.ChangeMark() == aheadMark_ && connection.Committed() == aheadStamp_;
}

int KeyCursor::Compare(const Row& row, const Row* before) const
{
    if (key_ >= 0) {
        const std::vector<KeyComponent>& components = file_->impl_->def->Keys()[key_].components;
        for (size_t i = 0; i < components.size(); ++i) {
            const KeyComponent& component = components[i];
            const FieldValue& other = before ? before->values[component.field] : values_[i];
            const int order = CompareComponent(row.values[component.field], other, component.noCase);
            if (order != 0)
                return component.descending ? -order : order;
        }
    }
    const int64_t pointer = before ? before->pointer : pointer_;
    return (row.pointer > pointer) - (row.pointer < pointer);
}

bool KeyCursor::AheadMovesOn(bool forward) const
{
    // A damaged file can hand back a record the walk has passed already (a
    // page of a key or of the records out of order): every row must lie
    // beyond the one before it, the first beyond the position (or at it when
    // the position itself may be read again). Otherwise the walk would go
    // round for ever.
    const int direction = forward ? 1 : -1;
    // Backwards from a buffer without a pointer every record with its values
    // lies before the position, which the first row's reading made sure of.
    const bool checkFirst = state_ == State::Positioned && (forward || !inclusive_ || pointer_ != 0);
    for (size_t i = 0; i < ahead_.size(); ++i) {
        if (i == 0 && !checkFirst)
            continue;
        const int order = Compare(ahead_[i], i == 0 ? nullptr : &ahead_[i - 1]) * direction;
        if (order < 0 || (order == 0 && !(i == 0 && inclusive_)))
            return false;
    }
    return true;
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

    // The stamp is taken before the reading: a commit that lands in between
    // only makes the next step seek again. The parts are read by one
    // statement, in one state of the file.
    aheadMark_ = connection.ChangeMark();
    aheadStamp_ = connection.Committed();
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
    // Backwards from a buffer without a pointer: every record with its values
    // counts as at or before it.
    const bool everyEqual = !forward && inclusive_ && pointer_ == 0;
    // A pointer beyond every record's in the walk's direction leaves no
    // record with the position's values to read: that part's seek is saved.
    const bool noneEqual = forward ? pointer_ == std::numeric_limits<int64_t>::max() : !inclusive_ && pointer_ == 0;
    const std::string& parts = sql.stepAll[direction][inclusive_ ? 1 : 0][noneEqual ? 1 : 0];
    if (parts.empty())
        return;
    StatementUse step(d.Prepare(parts));
    const int n = static_cast<int>(values_.size());
    for (int i = 0; i < n; ++i)
        BindFieldValue(*step, i + 1, values_[i]);
    step->bind(n + 1, static_cast<int64_t>(everyEqual ? std::numeric_limits<int64_t>::max() : pointer_));
    step->bind(n + 2, page_);
    read(*step);
}

void KeyCursor::Take(RecordBase& record)
{
    const TableDef& def = *file_->impl_->def;
    const Row& row = ahead_[next_++];
    SetValues(def, row.values, record);
    record.RecordPointer = row.pointer;
    values_.clear(); // keeps its room: a walk takes one row after another
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
        if (!AheadValid(forward)) {
            ReadAhead(forward);
            if (!AheadMovesOn(forward)) {
                ahead_.clear();
                next_ = 0;
                // Named by its path: the table's name says nothing to the user.
                DataError damaged = DataError::Make(kInvalidDataFile);
                damaged.text += QStringLiteral(": ") + QFileInfo(d.connection->Path()).absoluteFilePath();
                return d.Fail(damaged);
            }
        }
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
