#include "tests/support/ExeResources.h"

#include "common/LittleEndian.h"
#include "common/ResourceView.h"
#include "common/UniqueHandle.h"

namespace testsupport {

namespace {

std::string NameOf(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<UINT_PTR>(name));
    return name;
}

BOOL CALLBACK OnLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param) {
    ExeResources::Map& resources = *reinterpret_cast<ExeResources::Map*>(param);
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

std::optional<std::string> ExeResources::Read(const std::wstring& exePath, const char* type, UINT id) {
    const UniqueModule module(LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return std::nullopt;
    const ResourceView view = FindModuleResource(module.get(), MAKEINTRESOURCEA(id), type);
    if (!view) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(view.data), view.size);
}

std::optional<DWORD> ExeResources::ReadDword(const std::wstring& exePath, const char* type, UINT id) {
    std::optional<std::string> bytes = Read(exePath, type, id);
    if (!bytes || bytes->size() != 4) return std::nullopt;
    uint32_t value = 0;
    ReadLittleEndian32(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size(), value);
    return value;
}

ExeResources::Map ExeResources::All(const std::string& ansiPath) {
    Map resources;
    const UniqueModule module(LoadLibraryExA(ansiPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (module) EnumResourceTypesA(module.get(), OnType, reinterpret_cast<LONG_PTR>(&resources));
    return resources;
}

std::string ExeResources::Key(const char* type, WORD id, WORD language) {
    return std::string(type) + "/#" + std::to_string(id) + "/" + std::to_string(language);
}

bool ExeResources::WriteHotkeys(const std::string& ansiPath, const std::vector<std::pair<WORD, Bytes>>& resources) {
    HANDLE update = BeginUpdateResourceA(ansiPath.c_str(), FALSE);
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

}  // namespace testsupport
