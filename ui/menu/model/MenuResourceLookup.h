// Finding a resource's bytes where the menu looks for its resources: the
// framework's resource module first, then the executable's own.
#pragma once

#include <cstddef>

#include "framework/Afx.h"

namespace tessel {

// A resource's bytes; borrowed from the module, valid while it is loaded.
struct ResourceView {
    const void* data = nullptr;
    std::size_t size = 0;
};

// False when neither module has the resource or it cannot be loaded.
bool FindModuleResource(const char* name, const char* type, ResourceView& out);

}  // namespace tessel
