#include "ui/menu/model/MenuResourceLookup.h"

namespace tessel {

bool FindModuleResource(const char* name, const char* type, ResourceView& out) {
    const HMODULE modules[2] = {AfxGetResourceHandle(), ::GetModuleHandleA(nullptr)};
    for (HMODULE module : modules) {
        HRSRC found = ::FindResourceA(module, name, type);
        if (found == nullptr) continue;
        HGLOBAL loaded = ::LoadResource(module, found);
        const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
        if (data == nullptr) return false;
        out.data = data;
        out.size = ::SizeofResource(module, found);
        return true;
    }
    return false;
}

}  // namespace tessel
