// Reading toolbar resources; see ToolbarResource.h.
#include "ui/menu/readers/ToolbarResource.h"

namespace tessel {

namespace {

std::uint16_t WordAt(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

ToolbarResult ParseToolbarResource(const void* data, std::size_t size) {
    ToolbarResult result;
    constexpr std::size_t kHeader = 8;
    if (data == nullptr || size < kHeader) {
        result.error = ToolbarError::HeaderTruncated;
        return result;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    const std::uint16_t count = WordAt(bytes + 6);
    if (static_cast<std::size_t>(count) > (size - kHeader) / 2) {
        result.error = ToolbarError::IdsTruncated;
        return result;
    }
    result.toolbar.version = WordAt(bytes);
    result.toolbar.width = WordAt(bytes + 2);
    result.toolbar.height = WordAt(bytes + 4);
    result.toolbar.ids.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        result.toolbar.ids.push_back(WordAt(bytes + kHeader + 2 * i));
    }
    return result;
}

std::optional<int> ToolbarPictureIndex(const ToolbarResource& toolbar, std::uint32_t commandId) {
    if (commandId == 0) return std::nullopt;
    int pictures = 0;
    for (std::uint16_t id : toolbar.ids) {
        if (id == commandId) return pictures;
        if (id != 0) ++pictures;
    }
    return std::nullopt;
}

}  // namespace tessel
