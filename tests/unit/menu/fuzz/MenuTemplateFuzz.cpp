// libFuzzer target: the menu template reader over arbitrary bytes. The
// input is copied into a buffer of exactly its size, so that the address
// sanitizer sees any read past the end; a template that is read must also
// stay within the bytes it claims to have used.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ui/menu/readers/MenuTemplate.h"

namespace {

std::size_t CountItems(const std::vector<tessel::MenuTemplateItem>& items, int depth) {
    if (depth > tessel::kMaxMenuTemplateDepth + 1) std::abort();
    std::size_t n = items.size();
    for (const auto& item : items) {
        if (!item.IsPopup() && !item.children.empty()) std::abort();
        n += CountItems(item.children, depth + 1);
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> exact(data, data + size);
    const tessel::MenuTemplateResult result =
        tessel::ParseMenuTemplate(exact.empty() ? nullptr : exact.data(), exact.size());
    if (!result.ok()) {
        if (!result.items.empty()) std::abort();
        return 0;
    }
    if (result.bytesUsed > size) std::abort();
    // Every item takes at least four bytes (flags and an empty caption).
    if (CountItems(result.items, 0) * 4 > size) std::abort();
    return 0;
}
