#pragma once
// The order of a script: its items in ascending sequence number. The moves
// of the script list rewrite sequence numbers item by item, each move in one
// batch of the table: the moved item is parked under the highest number + 1,
// every item it passes takes the number of the one before it, and the moved
// item takes the last number freed. The numbers in use stay the same set, so
// gaps stay where they are. After a delete the items that followed close up.
//
// A write that fails is shown ("Record swap error: ", the error, the key, the
// owner, the sequence and the section of the write; caption "Error!") and the
// whole move is undone, so no item stays behind under the parking number.
// Both tables of script items are served: a task's and a template's.

#include "scripting/items/ScriptItemTables.h"

#include <cstdint>
#include <optional>

namespace vl {

enum class ScriptItemMove {
    UpOne = 1,         // swaps places with the item before it
    DownOne = 2,       // swaps places with the item after it
    ToTop = 3,         // to the first number; the items before it move one on
    ToBottom = 4,      // to the last number; the items after it move one back
    AfterRemembered = 5, // a new item (the last) to just after the remembered one
};

inline constexpr char kSequencerErrorCaption[] = "Error!";
inline constexpr char kSequencerErrorText[] = "Record swap error: ";
inline constexpr char kParkSection[] = "Put Swap Out";
inline constexpr char kRenumberSection[] = "Put Upd Seq";

// Moves the owner's item numbered `sequence`; `rememberedSequence` is the
// item a new one goes after (AfterRemembered only). The item's number after
// the move: unchanged when nothing moves (no neighbour that way, the item
// gone); nothing after a failure, which has been shown.
template <class R>
std::optional<int32_t> MoveScriptItem(Table<R>& table, int32_t owner, int32_t sequence, ScriptItemMove move,
                                      int32_t rememberedSequence = 0);

// After the item numbered `deletedSequence` was deleted, the owner's items
// above it take the numbers from it on, one after another, in their order.
// False after a failure, which has been shown.
template <class R>
bool CloseScriptItemGap(Table<R>& table, int32_t owner, int32_t deletedSequence);

} // namespace vl
