#include "scripting/items/ScriptItemSequencer.h"

#include "platform/ui/PromptService.h"

#include <algorithm>
#include <vector>

namespace vl {

namespace {

// Writes items under new numbers within one batch; the first failure is
// shown and undoes the batch.
template <class R>
class Renumbering {
public:
    Renumbering(Table<R>& table, int32_t owner) : table_(table), owner_(owner) {}

    bool Start(std::vector<R>& items)
    {
        if (!table_.Stream())
            return Failed(table_.LastError(), 0);
        const DataError read = ReadScriptItems(table_, owner_, items);
        if (!read.Ok()) {
            table_.Rollback();
            return Failed(read, 0);
        }
        return true;
    }

    bool Write(R& item, int32_t sequence, const char* section)
    {
        section_ = section;
        item.Sequence = sequence;
        if (table_.Put(item))
            return true;
        const DataError error = table_.LastError();
        table_.Rollback();
        return Failed(error, sequence);
    }

    bool Finish(int32_t sequence)
    {
        if (table_.Flush())
            return true;
        return Failed(table_.LastError(), sequence);
    }

private:
    bool Failed(const DataError& error, int32_t sequence)
    {
        using Items = ScriptItemTable<R>;
        const QStringList lines{
            QLatin1String(kSequencerErrorText),
            error.Describe(),
            QLatin1String(Items::kKeyLabel),
            QStringLiteral("Key Field %1 = %2").arg(QLatin1String(Items::kOwnerField)).arg(owner_),
            QStringLiteral("Key Field %1 = %2").arg(QLatin1String(Items::kSequenceField)).arg(sequence),
            QStringLiteral("Section = ") + QLatin1String(section_),
        };
        Prompt::Message(lines.join(QLatin1Char('|')), QLatin1String(kSequencerErrorCaption), PromptIcon::Stop);
        return false;
    }

    Table<R>& table_;
    int32_t owner_;
    const char* section_ = "";
};

} // namespace

template <class R>
std::optional<int32_t> MoveScriptItem(Table<R>& table, int32_t owner, int32_t sequence, ScriptItemMove move,
                                      int32_t rememberedSequence)
{
    Renumbering<R> renumbering(table, owner);
    std::vector<R> items;
    if (!renumbering.Start(items))
        return std::nullopt;
    const auto found = std::find_if(items.begin(), items.end(), [sequence](const R& item) {
        return item.Sequence == sequence;
    });
    const bool towardsEnd = move == ScriptItemMove::DownOne || move == ScriptItemMove::ToBottom;
    const bool oneStep = move == ScriptItemMove::UpOne || move == ScriptItemMove::DownOne;
    // The items the moved one passes, nearest first.
    std::vector<R*> passed;
    if (found != items.end()) {
        const auto index = static_cast<ptrdiff_t>(found - items.begin());
        for (ptrdiff_t at = towardsEnd ? index + 1 : index - 1; at >= 0 && at < std::ssize(items);
             at += towardsEnd ? 1 : -1) {
            if (move == ScriptItemMove::AfterRemembered && items[at].Sequence <= rememberedSequence)
                break;
            passed.push_back(&items[at]);
            if (oneStep)
                break;
        }
    }
    if (passed.empty()) {
        renumbering.Finish(sequence);
        return sequence;
    }
    R& moved = *found;
    const int32_t parking = items.back().Sequence + 1;
    if (!renumbering.Write(moved, parking, kParkSection))
        return std::nullopt;
    int32_t hole = sequence;
    for (R* item : passed) {
        const int32_t freed = item->Sequence;
        if (!renumbering.Write(*item, hole, kRenumberSection))
            return std::nullopt;
        hole = freed;
    }
    if (!renumbering.Write(moved, hole, kRenumberSection) || !renumbering.Finish(hole))
        return std::nullopt;
    return hole;
}

template <class R>
bool CloseScriptItemGap(Table<R>& table, int32_t owner, int32_t deletedSequence)
{
    Renumbering<R> renumbering(table, owner);
    std::vector<R> items;
    if (!renumbering.Start(items))
        return false;
    int32_t next = deletedSequence;
    for (R& item : items) {
        if (item.Sequence < deletedSequence)
            continue;
        if (item.Sequence != next && !renumbering.Write(item, next, kRenumberSection))
            return false;
        ++next;
    }
    return renumbering.Finish(next - 1);
}

template std::optional<int32_t> MoveScriptItem(Table<ScriptingRecord>&, int32_t, int32_t, ScriptItemMove, int32_t);
template std::optional<int32_t> MoveScriptItem(Table<ScriptTemplateDetailsRecord>&, int32_t, int32_t, ScriptItemMove,
                                               int32_t);
template bool CloseScriptItemGap(Table<ScriptingRecord>&, int32_t, int32_t);
template bool CloseScriptItemGap(Table<ScriptTemplateDetailsRecord>&, int32_t, int32_t);

} // namespace vl
