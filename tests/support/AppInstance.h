#pragma once

#include "tests/support/ChildProcess.h"

#include <windows.h>

#include <string>
#include <utility>
#include "res/resource.h"

namespace testsupport {

// One started process of a program under test. Ending the object ends the
// process: first the way a user would (the tray menu's exit command), and
// if that does not end it in time, by force.
class AppInstance : public ChildProcess {
public:
    static constexpr UINT kTrayExitCommand = ID_TRAY_EXIT;

    // Starts the executable with its own folder as working directory.
    static AppInstance Start(const std::wstring& exePath);

    AppInstance() = default;
    ~AppInstance();
    AppInstance(AppInstance&&) noexcept = default;
    AppInstance& operator=(AppInstance&& other) noexcept;

    // The marked main dialog of this process; null on time-out.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    // Ends the process: tray exit command, then by force. True when it ended
    // by the exit command (or had ended already).
    bool End();

private:
    explicit AppInstance(ChildProcess&& process) : ChildProcess(std::move(process)) {}
};

}  // namespace testsupport
