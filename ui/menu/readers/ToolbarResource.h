// Reading toolbar resources (RT_TOOLBAR) and finding a command's picture in
// the toolbar's bitmap, bounded by the size of the resource.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessel {

struct ToolbarResource {
    std::uint16_t version = 0;
    std::uint16_t width = 0;         // picture width in pixels
    std::uint16_t height = 0;        // picture height in pixels
    std::vector<std::uint16_t> ids;  // one per button; 0 = separator
};

enum class ToolbarError {
    None,
    HeaderTruncated,  // fewer than the 8 header bytes
    IdsTruncated,     // the count claims more ids than the resource holds
};

struct ToolbarResult {
    ToolbarError error = ToolbarError::None;
    ToolbarResource toolbar;  // empty on failure

    bool ok() const { return error == ToolbarError::None; }
};

// Reads a toolbar resource of size bytes at data, never outside it. Bytes
// after the last id (resource padding) are ignored.
ToolbarResult ParseToolbarResource(const void* data, std::size_t size);

// Index of a command's picture in the toolbar bitmap: the number of
// non-separator buttons before the command's first button. nullopt when the
// command is not on the toolbar or is 0 (separators have no picture).
std::optional<int> ToolbarPictureIndex(const ToolbarResource& toolbar, std::uint32_t commandId);

}  // namespace tessel
