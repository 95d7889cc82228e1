#pragma once

#include "updater/HeapString.h"

#include <cstdint>

// What the updater needs from its own UpdateRequest resources.
struct TargetRequest {
    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    HeapString path;
};

// False when the request is unusable: no path resource, a length that claims
// more than the path resource holds, or no memory for the copy.
bool ReadUpdateRequest(TargetRequest& out);
