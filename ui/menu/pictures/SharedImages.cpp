// Shared picture table lookups; see SharedImages.h.
#include "ui/menu/pictures/SharedImages.h"

namespace tessel {

int FindSharedImage(const std::vector<std::int32_t>& ids, std::int32_t id) {
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == id) return static_cast<int>(i);
    }
    return -1;
}

bool HasEffectImages(const std::vector<std::int32_t>& ids, int index) {
    if (index < 0) return false;
    const auto k = static_cast<std::size_t>(index);
    if (k + 2 >= ids.size()) return false;
    return ids[k] == ids[k + 1] && ids[k] == ids[k + 2];
}

}  // namespace tessel
