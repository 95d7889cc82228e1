#pragma once

#include "common/ResourceView.h"
#include "updater/HeapString.h"

#include <cstdint>

// What the updater needs from its own UpdateRequest resources.
struct TargetRequest {
    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    HeapString path;
    // The rules in their stored form, borrowed from the updater's own image;
    // missing when they did not change.
    ResourceView pinRules;
};

// False when the request is unusable: no path resource, a length that claims
// more than the path resource holds, or no memory for the copy.
bool ReadUpdateRequest(TargetRequest& out);
