// Linked into a build of the updater for tests in place of the system's
// UpdateResourceA, which takes 4 bytes whenever there is memory for them: the
// call for the resource id that ZORVANE_REFUSED_RESOURCE names fails, as it
// would without that memory; every other call goes to the system.
#include <windows.h>

#include <stdlib.h>

namespace {

using UpdateResourceFunction = BOOL(WINAPI*)(HANDLE, LPCSTR, LPCSTR, WORD, LPVOID, DWORD);

BOOL WINAPI RefusingUpdateResourceA(HANDLE update, LPCSTR type, LPCSTR name, WORD language, LPVOID data, DWORD size) {
    char refused[16] = {};
    const DWORD length = GetEnvironmentVariableA("ZORVANE_REFUSED_RESOURCE", refused, sizeof(refused));
    if (length != 0 && length < sizeof(refused) && IS_INTRESOURCE(name) &&
        reinterpret_cast<ULONG_PTR>(name) == strtoul(refused, nullptr, 10)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    const auto system = reinterpret_cast<UpdateResourceFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "UpdateResourceA")));
    return system != nullptr && system(update, type, name, language, data, size);
}

}  // namespace

// The import slot every call of the updater goes through, under the name the
// target's C decoration gives it. Defined here, it keeps the linker from
// taking the system's from the import library.
#if defined(_WIN64)
#define ZORVANE_IMPORT_SLOT "__imp_UpdateResourceA"
#else
#define ZORVANE_IMPORT_SLOT "__imp__UpdateResourceA@24"
#endif
extern const UpdateResourceFunction g_updateResourceImport __asm__(ZORVANE_IMPORT_SLOT);
const UpdateResourceFunction g_updateResourceImport = RefusingUpdateResourceA;
