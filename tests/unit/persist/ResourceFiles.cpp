#include "tests/unit/persist/ResourceFiles.h"

namespace {

std::string NameOf(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<UINT_PTR>(name));
    return name;
}

BOOL CALLBACK OnLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param) {
    ResourceMap& resources = *reinterpret_cast<ResourceMap*>(param);
    HRSRC info = FindResourceExA(module, type, name, language);
    const unsigned char* data =
        info != nullptr ? static_cast<const unsigned char*>(LockResource(LoadResource(module, info))) : nullptr;
    Bytes bytes;
    if (data != nullptr) bytes.assign(data, data + SizeofResource(module, info));
    resources[NameOf(type) + "/" + NameOf(name) + "/" + std::to_string(language)] = bytes;
    return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    EnumResourceLanguagesA(module, type, name, OnLanguage, param);
    return TRUE;
}

BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR param) {
    EnumResourceNamesA(module, type, OnName, param);
    return TRUE;
}

}  // namespace

ResourceMap ReadResources(const std::string& path) {
    ResourceMap resources;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return resources;
    EnumResourceTypesA(module, OnType, reinterpret_cast<LONG_PTR>(&resources));
    FreeLibrary(module);
    return resources;
}

std::string ResourceKey(const char* type, WORD id, WORD language) {
    return std::string(type) + "/#" + std::to_string(id) + "/" + std::to_string(language);
}

bool WriteHotkeyResources(const std::string& path, const std::vector<std::pair<WORD, Bytes>>& resources) {
    HANDLE update = BeginUpdateResourceA(path.c_str(), FALSE);
    if (update == nullptr) return false;
    bool ok = true;
    for (const auto& resource : resources) {
        // A non-null pointer even for no bytes: null with size 0 deletes.
        static const unsigned char nothing = 0;
        const void* data = resource.second.empty() ? &nothing : resource.second.data();
        ok = UpdateResourceA(update, "HOTKEY", MAKEINTRESOURCEA(resource.first), 2052, const_cast<void*>(data),
                             static_cast<DWORD>(resource.second.size())) &&
             ok;
    }
    return EndUpdateResourceA(update, ok ? FALSE : TRUE) && ok;
}

Bytes ReadFileBytes(const std::string& path) {
    Bytes bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    unsigned char buffer[16384];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read != 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
