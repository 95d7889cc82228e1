#include "tests/support/AppInstance.h"

#include "tests/support/MarkedWindows.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/WaitUntil.h"

#include <utility>
#include <vector>

namespace e2e {

AppInstance AppInstance::Start(const std::wstring& exePath) {
    AppInstance app;
    const size_t slash = exePath.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : exePath.substr(0, slash);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    std::vector<wchar_t> mutableCommand(commandLine.begin(), commandLine.end());
    mutableCommand.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exePath.c_str(), mutableCommand.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        app.m_startError = GetLastError();
        return app;
    }
    CloseHandle(info.hThread);
    app.m_process.Reset(info.hProcess);
    app.m_pid = info.dwProcessId;
    app.m_tid = info.dwThreadId;
    return app;
}

AppInstance::~AppInstance() { End(); }

AppInstance& AppInstance::operator=(AppInstance&& other) noexcept {
    if (this != &other) {
        End();
        m_process = std::move(other.m_process);
        m_pid = other.m_pid;
        m_tid = other.m_tid;
        m_startError = other.m_startError;
    }
    return *this;
}

bool AppInstance::Running() const { return m_process && ProcessProbe::Running(m_process.Get()); }

bool AppInstance::WaitForExit(DWORD timeoutMs) const {
    return !m_process || ProcessProbe::WaitForEnd(m_process.Get(), timeoutMs);
}

HWND AppInstance::WaitForMainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = MarkedWindows::FindForProcess(m_pid)) != nullptr || !Running(); },
              timeoutMs);
    return found;
}

bool AppInstance::End() {
    if (!Running()) return true;
    if (HWND dialog = MarkedWindows::FindForProcess(m_pid)) {
        PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0);
        if (WaitForExit(kActionTimeoutMs)) return true;
    }
    Kill();
    return false;
}

void AppInstance::Kill() {
    if (!Running()) return;
    TerminateProcess(m_process.Get(), 1);
    WaitForExit(kActionTimeoutMs);
}

}  // namespace e2e
