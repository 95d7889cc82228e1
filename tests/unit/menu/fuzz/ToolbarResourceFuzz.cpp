// libFuzzer target: the toolbar resource reader and the picture index of
// every command it lists, over arbitrary bytes held in a buffer of exactly
// their size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ui/menu/readers/ToolbarResource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> exact(data, data + size);
    const tessel::ToolbarResult result =
        tessel::ParseToolbarResource(exact.empty() ? nullptr : exact.data(), exact.size());
    if (!result.ok()) {
        if (!result.toolbar.ids.empty()) std::abort();
        return 0;
    }
    if (8 + 2 * result.toolbar.ids.size() > size) std::abort();
    int pictures = 0;
    for (std::uint16_t id : result.toolbar.ids) {
        const std::optional<int> index = tessel::ToolbarPictureIndex(result.toolbar, id);
        if (id == 0) {
            if (index) std::abort();
            continue;
        }
        // The first button of a command gets the count of pictures before it.
        if (!index || *index > pictures) std::abort();
        ++pictures;
    }
    return 0;
}
