// Item-record bookkeeping; see MenuSync.h.
#include "ui/menu/model/MenuSync.h"

namespace tessel {

namespace {

constexpr std::uint32_t kPopup = 0x10;
constexpr std::uint32_t kOwnerDraw = 0x100;
constexpr std::uint32_t kByPosition = 0x400;
constexpr std::uint32_t kSeparator = 0x800;

}  // namespace

std::uint32_t AppendItemFlags(std::uint32_t flags, std::uint32_t id) {
    if (id != 0) return flags | kOwnerDraw;
    return kSeparator | kOwnerDraw | (flags & kByPosition);
}

PositionKind ClassifyMenuState(std::uint32_t state) {
    if ((state & kPopup) != 0) return PositionKind::Popup;
    if ((state & kSeparator) != 0) return PositionKind::Separator;
    return PositionKind::Command;
}

std::uint32_t PopupRecordFlags(std::uint32_t state) { return (state & 0xEF) | kByPosition | kOwnerDraw | kPopup; }

std::uint32_t SeparatorRecordFlags(std::uint32_t state) { return state | kByPosition | kOwnerDraw | kSeparator; }

std::uint32_t CommandRecordFlags(std::uint32_t state) { return state | kByPosition | kOwnerDraw; }

std::vector<int> MatchRecordsToPositions(const std::vector<std::uintptr_t>& recordIds,
                                         const std::vector<std::uintptr_t>& positionIds) {
    std::vector<bool> claimed(recordIds.size(), false);
    std::vector<int> match;
    match.reserve(positionIds.size());
    for (std::uintptr_t id : positionIds) {
        int found = -1;
        for (std::size_t r = 0; r < recordIds.size(); ++r) {
            if (!claimed[r] && recordIds[r] == id) {
                claimed[r] = true;
                found = static_cast<int>(r);
                break;
            }
        }
        match.push_back(found);
    }
    return match;
}

int CountForeignLeadingItems(bool loaded, const std::vector<std::string>& positionCaptions,
                             const std::vector<std::string>& recordCaptions) {
    if (!loaded) return 0;
    for (std::size_t p = 0; p < positionCaptions.size(); ++p) {
        if (positionCaptions[p].empty()) continue;
        for (std::size_t i = 0; i < recordCaptions.size(); ++i) {
            if (recordCaptions[i] == positionCaptions[p]) {
                return p >= i ? static_cast<int>(p - i) : 0;
            }
        }
    }
    return 0;
}

}  // namespace tessel
