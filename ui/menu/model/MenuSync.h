// Bookkeeping rules of the owner-drawn menu's item records: the flags an
// appended item gets, how records are matched to menu positions after other
// code changed the menu, and how many positions the system put in front of
// a menu bar's own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

// Flags for appending an item: owner-drawn; an id of 0 makes a separator,
// keeping only MF_BYPOSITION of the given flags.
std::uint32_t AppendItemFlags(std::uint32_t flags, std::uint32_t id);

// A menu position as GetMenuState and friends describe it.
enum class PositionKind { Popup, Separator, Command };
PositionKind ClassifyMenuState(std::uint32_t state);

// Flags of a record made or refreshed for a position, from its menu state:
// popups drop the item count in the high byte and keep MF_POPUP; all become
// owner-drawn and by-position.
std::uint32_t PopupRecordFlags(std::uint32_t state);
std::uint32_t SeparatorRecordFlags(std::uint32_t state);
std::uint32_t CommandRecordFlags(std::uint32_t state);

// Matching of existing records to positions. recordIds: the command id of
// each record in order (popup handle values for popups, 0 for separators).
// positionIds: the id each position is matched by, in order. Returns for
// each position the record it takes over, or -1 when a new record is
// needed. Each record is taken at most once, the first unclaimed one with
// an equal id first; records taken by no position are to be deleted.
std::vector<int> MatchRecordsToPositions(const std::vector<std::uintptr_t>& recordIds,
                                         const std::vector<std::uintptr_t>& positionIds);

// Positions the system placed before a loaded menu bar's own items: the
// first position whose non-empty caption equals the caption of some record
// (the first such record) gives position minus record index, when not
// negative; otherwise, or when the menu was not loaded, 0.
int CountForeignLeadingItems(bool loaded, const std::vector<std::string>& positionCaptions,
                             const std::vector<std::string>& recordCaptions);

}  // namespace tessel
