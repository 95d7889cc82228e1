#include "tests/support/MarkedWindows.h"

#include "tests/support/WaitUntil.h"

namespace testsupport {

namespace {

BOOL CALLBACK CollectMarked(HWND window, LPARAM param) {
    if (InstanceMarker::IsMarked(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> MarkedWindows::All() {
    std::vector<HWND> found;
    EnumWindows(CollectMarked, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND MarkedWindows::FindForProcess(DWORD processId) {
    for (HWND window : All()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

HWND MarkedWindows::WaitForProcess(DWORD processId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindForProcess(processId)) != nullptr; }, timeoutMs);
    return found;
}

}  // namespace testsupport
