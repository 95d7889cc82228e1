#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <cstdint>

// One resource-update session on an executable file; discarded unless
// committed.
class ResourceUpdate {
public:
    // Opens path for updating, keeping its existing resources.
    explicit ResourceUpdate(const char* path);

    bool opened() const { return static_cast<bool>(m_update); }
    // Adds or replaces a 4-byte little-endian resource.
    bool PutDword(const char* type, WORD id, WORD language, std::uint32_t value);
    bool Commit();

private:
    // An update that ends uncommitted is discarded.
    struct DiscardTraits {
        using Handle = HANDLE;
        static HANDLE Empty() { return nullptr; }
        static bool IsOwned(HANDLE update) { return update != nullptr; }
        static void Close(HANDLE update) { EndUpdateResourceA(update, TRUE); }
    };
    UniqueHandle<DiscardTraits> m_update;
};
