#include "common/ResourceView.h"

#include "common/LittleEndian.h"

ResourceView FindModuleResource(HMODULE module, const char* name, const char* type) {
    ResourceView view;
    HRSRC info = ::FindResourceA(module, name, type);
    if (info == nullptr) return view;
    HGLOBAL loaded = ::LoadResource(module, info);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) return view;
    view.data = static_cast<const unsigned char*>(bytes);
    view.size = ::SizeofResource(module, info);
    return view;
}

bool ReadModuleDword(HMODULE module, UINT id, const char* type, uint32_t* out) {
    const ResourceView view = FindModuleResource(module, MAKEINTRESOURCEA(id), type);
    return ReadLittleEndian32(view.data, view.size, *out);
}
