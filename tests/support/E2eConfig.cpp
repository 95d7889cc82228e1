#include "tests/support/E2eConfig.h"

#include <windows.h>

namespace testsupport {

namespace {

std::wstring& AppPathStorage() {
    static std::wstring path;
    return path;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

}  // namespace

void E2eConfig::SetAppPath(const std::string& path) { AppPathStorage() = ToWindowsPath(path); }

const std::wstring& E2eConfig::AppPath() { return AppPathStorage(); }

std::wstring E2eConfig::DriveZPath(const std::string& path) {
    std::wstring wide = Widen(path);
    for (wchar_t& c : wide) {
        if (c == L'/') c = L'\\';
    }
    if (!path.empty() && path[0] == '/') wide.insert(0, L"Z:");
    return wide;
}

std::wstring E2eConfig::ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return DriveZPath(path);
    // Wine knows the real mapping; drive Z: is only its default.
    using DosName = WCHAR*(CDECL*)(LPCSTR);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");  // borrowed: always loaded
    const auto toDos =
        kernel ? reinterpret_cast<DosName>(reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")))
               : nullptr;
    if (toDos) {
        if (WCHAR* dos = toDos(path.c_str())) {
            std::wstring result(dos);
            HeapFree(GetProcessHeap(), 0, dos);
            return result;
        }
    }
    return DriveZPath(path);
}

}  // namespace testsupport
