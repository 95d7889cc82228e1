#pragma once

#include <windows.h>

#include <cstdint>

// One resource-update session on an executable file; discarded unless
// committed.
class ResourceUpdate {
public:
    // Opens path for updating, keeping its existing resources.
    explicit ResourceUpdate(const char* path);
    ~ResourceUpdate();
    ResourceUpdate(const ResourceUpdate&) = delete;
    ResourceUpdate& operator=(const ResourceUpdate&) = delete;

    bool opened() const { return m_update != nullptr; }
    // Adds or replaces a 4-byte little-endian resource.
    bool PutDword(const char* type, WORD id, WORD language, std::uint32_t value);
    bool Commit();

private:
    HANDLE m_update = nullptr;
};
