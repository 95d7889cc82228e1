// Finding a resource's bytes where the menu looks for its resources: the
// framework's resource module first, then the executable's own.
#pragma once

#include "common/ResourceView.h"

namespace tessel {

// A null view when neither module has the resource or it cannot be loaded.
ResourceView FindMenuResource(const char* name, const char* type);

}  // namespace tessel
