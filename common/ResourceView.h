// A resource's bytes as the loader hands them out. Both executables, the
// tests and the tools find resources through this one view.
#pragma once
#include <windows.h>

#include <stddef.h>
#include <stdint.h>

// Borrowed from the module: valid while the module stays loaded, never freed.
// A null view stands for a resource that is missing or cannot be loaded.
struct ResourceView {
    const unsigned char* data = nullptr;
    size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};

// Resource (type, name) of module in any language; a null module is the
// executable. Names and types may be integer ids (MAKEINTRESOURCEA).
ResourceView FindModuleResource(HMODULE module, const char* name, const char* type);

// The first 4 bytes of resource (type, id), least significant first. False,
// with out unchanged, when the resource is missing or shorter.
bool ReadModuleDword(HMODULE module, UINT id, const char* type, uint32_t* out);
