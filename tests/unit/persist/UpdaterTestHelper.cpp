// Plays the parties the updater meets, chosen by the command line:
//   (none)                     the restarted target: leaves <own path>.started
//                              holding its own HOTKEY/141 and 143, and ends
//   hold READY QUIT            a target that keeps running until QUIT is set
//   window VALUE READY QUIT WATCHED SNAPSHOT
//                              owns a top-level window whose instance-marker
//                              property is VALUE; when QUIT is set it copies
//                              WATCHED to SNAPSHOT (the state the updater left
//                              it in while this process still ran) and ends
// Every wait is bounded, so a failed test cannot leave it behind for long.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "common/InstanceMarker.h"
#include "common/UniqueHandle.h"
#include "res/resource.h"

namespace {

const DWORD kLongestLifeMs = 60000;

DWORD OwnDword(WORD id) {
    HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "HOTKEY");
    if (info == nullptr || SizeofResource(nullptr, info) < 4) return 0xFFFFFFFFu;
    DWORD value = 0;
    std::memcpy(&value, LockResource(LoadResource(nullptr, info)), 4);
    return value;
}

int LeaveStartedMarker() {
    char path[MAX_PATH + 16];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 2;
    std::strcat(path, ".started");
    char text[32];
    const int size = std::snprintf(text, sizeof(text), "%08lX %08lX", OwnDword(IDR_HOTKEY_MODIFIERS),
                                   OwnDword(IDR_HOTKEY_VIRTUAL_KEY));
    const UniqueKernelHandle file(
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 3;
    DWORD written = 0;
    WriteFile(file.get(), text, static_cast<DWORD>(size), &written, nullptr);
    return 0;
}

bool Signal(const char* name) {
    const UniqueKernelHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, name));
    return event && SetEvent(event.get());
}

UniqueKernelHandle OpenWaitable(const char* name) { return UniqueKernelHandle(OpenEventA(SYNCHRONIZE, FALSE, name)); }

int Hold(const char* ready, const char* quit) {
    const UniqueKernelHandle quitEvent = OpenWaitable(quit);
    if (!quitEvent || !Signal(ready)) return 4;
    WaitForSingleObject(quitEvent.get(), kLongestLifeMs);
    return 0;
}

// Waits for QUIT while serving the window's messages.
void ServeUntil(HANDLE quitEvent) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= kLongestLifeMs) return;
        const DWORD result = MsgWaitForMultipleObjects(1, &quitEvent, FALSE, kLongestLifeMs - elapsed, QS_ALLINPUT);
        if (result != WAIT_OBJECT_0 + 1) return;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

int OwnMarkedWindow(char** args) {
    const UINT_PTR value = std::strtoul(args[0], nullptr, 10);
    const UniqueKernelHandle quitEvent = OpenWaitable(args[2]);
    if (!quitEvent) return 5;
    HWND window = CreateWindowExA(0, "STATIC", "marked", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr || !SetPropA(window, InstanceMarker::kName, reinterpret_cast<HANDLE>(value)) ||
        !Signal(args[1]))
        return 6;
    ServeUntil(quitEvent.get());
    CopyFileA(args[3], args[4], FALSE);
    RemovePropA(window, InstanceMarker::kName);
    DestroyWindow(window);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return LeaveStartedMarker();
    if (std::strcmp(__argv[1], "hold") == 0 && __argc == 4) return Hold(__argv[2], __argv[3]);
    if (std::strcmp(__argv[1], "window") == 0 && __argc == 7) return OwnMarkedWindow(__argv + 2);
    return 7;
}
