#pragma once

#include "tests/support/TestHandle.h"

#include <windows.h>

#include <string>
#include "res/resource.h"

namespace e2e {

// One started process of a program under test. Ending the object ends the
// process: first the way a user would (the tray menu's exit command), and
// if that does not end it in time, by force.
class AppInstance {
public:
    static constexpr UINT kTrayExitCommand = ID_TRAY_EXIT;

    // Starts the executable with its own folder as working directory.
    static AppInstance Start(const std::wstring& exePath);

    AppInstance() = default;
    ~AppInstance();
    AppInstance(AppInstance&&) noexcept = default;
    AppInstance& operator=(AppInstance&& other) noexcept;
    AppInstance(const AppInstance&) = delete;
    AppInstance& operator=(const AppInstance&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD Pid() const { return m_pid; }
    DWORD MainThreadId() const { return m_tid; }
    HANDLE Process() const { return m_process.Get(); }
    DWORD StartError() const { return m_startError; }

    bool Running() const;
    bool WaitForExit(DWORD timeoutMs) const;

    // The marked main dialog of this process; null on time-out.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    // Ends the process: tray exit command, then TerminateProcess. True when
    // it ended by the exit command (or had ended already).
    bool End();
    void Kill();

private:
    UniqueHandle m_process;
    DWORD m_pid = 0;
    DWORD m_tid = 0;
    DWORD m_startError = 0;
};

}  // namespace e2e
