// Control helper for the run script.
//
//   zorvane_ctl [--desktop=NAME] wait-dialog TIMEOUT_MS
//       waits until the program's marked dialog is visible; exit code 0
//   zorvane_ctl [--desktop=NAME] exit TIMEOUT_MS
//       ends the program with its tray menu's exit command and waits for the
//       process to end; exit code 0
//
// Windows of a Wine virtual desktop are visible only from that desktop,
// hence --desktop.
#include "AppInstance.h"
#include "InstanceMarker.h"
#include "ProcessProbe.h"
#include "UniqueHandle.h"
#include "WaitUntil.h"
#include "WindowProbe.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace e2e;

namespace {

HWND FindVisibleDialog() {
    for (HWND window : InstanceMarker::MarkedWindows()) {
        const WindowProbe probe(window);
        if (probe.Visible() && probe.Text() == L"Zorvane") return window;
    }
    return nullptr;
}

int WaitDialog(DWORD timeoutMs) {
    HWND found = nullptr;
    if (!WaitUntil([&] { return (found = FindVisibleDialog()) != nullptr; }, timeoutMs)) {
        std::fprintf(stderr, "zorvane_ctl: no visible Zorvane dialog within %lu ms\n",
                     static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    // Have the dialog painted before anyone takes a picture of it: the
    // redraw is done by the time the round trip after it returns.
    RedrawWindow(found, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WindowProbe(found).Send(WM_NULL, 0, 0);
    std::printf("%p\n", static_cast<void*>(found));
    return 0;
}

int Exit(DWORD timeoutMs) {
    const auto marked = InstanceMarker::MarkedWindows();
    if (marked.empty()) {
        std::fprintf(stderr, "zorvane_ctl: Zorvane is not running\n");
        return 2;
    }
    HWND dialog = marked.front();
    const UniqueHandle process(
        OpenProcess(SYNCHRONIZE, FALSE, WindowProbe(dialog).ProcessId()));
    PostMessageW(dialog, WM_COMMAND, AppInstance::kTrayExitCommand, 0);
    if (!process || !ProcessProbe::WaitForEnd(process.Get(), timeoutMs)) {
        std::fprintf(stderr, "zorvane_ctl: Zorvane did not end within %lu ms\n",
                     static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    return 0;
}

bool EnterDesktop(const char* name) {
    const std::string narrow(name);
    const std::wstring wide(narrow.begin(), narrow.end());
    // Owned for the process's life: the thread keeps using it.
    HDESK desktop = OpenDesktopW(wide.c_str(), 0, FALSE, GENERIC_ALL);
    if (!desktop) return false;
    if (SetThreadDesktop(desktop)) return true;
    CloseDesktop(desktop);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    const char* desktopPrefix = "--desktop=";
    const char* desktop = nullptr;
    if (arg < argc && std::strncmp(argv[arg], desktopPrefix, std::strlen(desktopPrefix)) == 0) {
        desktop = argv[arg] + std::strlen(desktopPrefix);
        ++arg;
    }
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: zorvane_ctl [--desktop=NAME] wait-dialog|exit TIMEOUT_MS\n");
        return 64;
    }
    const std::string command = argv[arg];
    const DWORD timeoutMs = static_cast<DWORD>(std::strtoul(argv[arg + 1], nullptr, 10));
    // The desktop may still be coming up when we are started beside it.
    if (desktop && !WaitUntil([&] { return EnterDesktop(desktop); }, timeoutMs)) {
        std::fprintf(stderr, "zorvane_ctl: cannot enter desktop %s\n", desktop);
        return 3;
    }
    if (command == "wait-dialog") return WaitDialog(timeoutMs);
    if (command == "exit") return Exit(timeoutMs);
    std::fprintf(stderr, "zorvane_ctl: unknown command %s\n", command.c_str());
    return 64;
}
