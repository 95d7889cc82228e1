#include "tests/support/ExeResources.h"

#include "common/LittleEndian.h"
#include "common/ResourceView.h"

namespace testsupport {

std::optional<std::string> ExeResources::Read(const std::wstring& exePath, const char* type, UINT id) {
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return std::nullopt;
    std::optional<std::string> bytes;
    if (const ResourceView view = FindModuleResource(module, MAKEINTRESOURCEA(id), type))
        bytes = std::string(reinterpret_cast<const char*>(view.data), view.size);
    // The file must not stay mapped: tests replace and delete it.
    FreeLibrary(module);
    return bytes;
}

std::optional<DWORD> ExeResources::ReadDword(const std::wstring& exePath, const char* type, UINT id) {
    std::optional<std::string> bytes = Read(exePath, type, id);
    if (!bytes || bytes->size() != 4) return std::nullopt;
    uint32_t value = 0;
    ReadLittleEndian32(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size(), value);
    return value;
}

}  // namespace testsupport
