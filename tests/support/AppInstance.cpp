#include "tests/support/AppInstance.h"

#include "tests/support/MarkedWindows.h"
#include "tests/support/WaitUntil.h"

#include <utility>

namespace testsupport {

AppInstance AppInstance::Start(const std::wstring& exePath) {
    ChildProcess::Options options;
    const size_t slash = exePath.find_last_of(L"\\/");
    if (slash != std::wstring::npos) options.folder = exePath.substr(0, slash);
    return AppInstance(ChildProcess::Start(exePath, {}, options));
}

AppInstance::~AppInstance() { End(); }

AppInstance& AppInstance::operator=(AppInstance&& other) noexcept {
    if (this != &other) {
        End();
        ChildProcess::operator=(std::move(other));
    }
    return *this;
}

HWND AppInstance::WaitForMainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = MarkedWindows::FindForProcess(Pid())) != nullptr || !Running(); }, timeoutMs);
    return found;
}

bool AppInstance::End() {
    if (!Running()) return true;
    if (HWND dialog = MarkedWindows::FindForProcess(Pid())) {
        PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0);
        if (WaitForExit(kActionTimeoutMs)) return true;
    }
    Kill();
    return false;
}

}  // namespace testsupport
