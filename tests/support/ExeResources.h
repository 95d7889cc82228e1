#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

// Reads resources of an executable file without running it.
class ExeResources {
public:
    // The bytes of resource (type, id) in any language; nothing when the file
    // or the resource is missing.
    static std::optional<std::string> Read(const std::wstring& exePath, const char* type, UINT id);
    // A 4-byte little-endian value; nothing unless the resource is exactly 4 bytes.
    static std::optional<DWORD> ReadDword(const std::wstring& exePath, const char* type, UINT id);
};

}  // namespace testsupport
