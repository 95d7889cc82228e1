#include "tests/support/ExeResources.h"

namespace e2e {

std::optional<std::string> ExeResources::Read(const std::wstring& exePath, const wchar_t* type, UINT id) {
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return std::nullopt;
    std::optional<std::string> bytes;
    if (HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type)) {
        HGLOBAL loaded = LoadResource(module, info);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (data != nullptr) bytes = std::string(static_cast<const char*>(data), SizeofResource(module, info));
    }
    // The file must not stay mapped: tests replace and delete it.
    FreeLibrary(module);
    return bytes;
}

std::optional<DWORD> ExeResources::ReadDword(const std::wstring& exePath, const wchar_t* type, UINT id) {
    std::optional<std::string> bytes = Read(exePath, type, id);
    if (!bytes || bytes->size() != 4) return std::nullopt;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes->data());
    return static_cast<DWORD>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<DWORD>(b[3]) << 24);
}

}  // namespace e2e
