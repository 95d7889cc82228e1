#include "ui/button/ButtonSound.h"

#include <cwchar>

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);

PlaySoundFunction ResolvePlaySound() {
    // By full path: a bare name would be looked for in the current folder too.
    static const wchar_t kLibrary[] = L"\\winmm.dll";
    wchar_t path[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + std::wcslen(kLibrary) >= MAX_PATH) return nullptr;
    std::wcscpy(path + length, kLibrary);
    // Kept for the life of the process, as an imported library would be.
    HMODULE library = ::LoadLibraryW(path);
    if (library == nullptr) return nullptr;
    return reinterpret_cast<PlaySoundFunction>(reinterpret_cast<void*>(::GetProcAddress(library, "PlaySoundA")));
}

}  // namespace

bool PlayButtonSound(const char* sound, HMODULE module, DWORD flags) {
    // Buttons live on the user-interface thread alone.
    static const PlaySoundFunction playSound = ResolvePlaySound();
    return playSound != nullptr && playSound(sound, module, flags) != FALSE;
}
