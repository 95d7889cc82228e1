#include "ui/menu/model/MenuResourceLookup.h"

#include "framework/Afx.h"

namespace tessel {

ResourceView FindMenuResource(const char* name, const char* type) {
    const ResourceView own = FindModuleResource(AfxGetResourceHandle(), name, type);
    return own ? own : FindModuleResource(::GetModuleHandleA(nullptr), name, type);
}

}  // namespace tessel
