// Reading resources of a loaded module.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// The bytes of resource (type, id) of module in any language, or a null view.
// The view stays valid while the module is loaded.
struct ResourceView {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};
ResourceView FindModuleResource(HMODULE module, UINT id, const char* type);

// Reads the first 4 bytes (little-endian) of resource (type, id) into out.
// False, with out unchanged, when the resource is missing, cannot be loaded,
// or is shorter than 4 bytes.
bool ReadModuleDword(HMODULE module, UINT id, const char* type, std::uint32_t* out);
