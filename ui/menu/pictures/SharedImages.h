// Lookups in the table of command ids that runs beside the image list
// shared by all menus: one id per picture, and in the XP style with picture
// effects each command's picture followed by its faded and shadow copies
// under the same id.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

// Index of the first picture of the command; -1 when it has none.
int FindSharedImage(const std::vector<std::int32_t>& ids, std::int32_t id);

// True when the pictures at index + 1 and index + 2 exist and carry the id
// of the picture at index.
bool HasEffectImages(const std::vector<std::int32_t>& ids, int index);

}  // namespace tessel
