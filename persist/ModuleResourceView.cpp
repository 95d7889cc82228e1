#include "persist/ModuleResourceView.h"

ResourceView FindModuleResource(HMODULE module, UINT id, const char* type) {
    ResourceView view;
    HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (info == nullptr) return view;
    HGLOBAL loaded = ::LoadResource(module, info);
    if (loaded == nullptr) return view;
    const void* bytes = ::LockResource(loaded);
    if (bytes == nullptr) return view;
    view.data = static_cast<const unsigned char*>(bytes);
    view.size = ::SizeofResource(module, info);
    return view;
}

bool ReadModuleDword(HMODULE module, UINT id, const char* type, std::uint32_t* out) {
    ResourceView view = FindModuleResource(module, id, type);
    if (!view || view.size < 4) return false;
    *out = static_cast<std::uint32_t>(view.data[0]) | static_cast<std::uint32_t>(view.data[1]) << 8 |
           static_cast<std::uint32_t>(view.data[2]) << 16 | static_cast<std::uint32_t>(view.data[3]) << 24;
    return true;
}
