#include "tests/e2e/OtherProgramWindow.h"

#include "tests/support/ThisProgram.h"
#include "tests/support/WaitUntil.h"

using namespace testsupport;

std::string OtherProgramWindow::HelperPath() { return ThisProgram::Beside(std::string("SeeThroughTestHelper.exe")); }

OtherProgramWindow::OtherProgramWindow(const char* mode, int x, int y, const std::string& program) {
    static int serial = 0;
    const std::string title = "OtherProgram-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    m_stopped.reset(CreateEventA(nullptr, TRUE, FALSE, (title + "-stopped").c_str()));
    m_process = ChildProcess::Start(program.empty() ? HelperPath() : program,
                                    title + " " + std::to_string(x) + " " + std::to_string(y) + " " + mode);
    WaitUntil([&] { return (m_window = FindWindowA(nullptr, title.c_str())) && IsWindowVisible(m_window); },
              kActionTimeoutMs);
}

HWND OtherProgramWindow::TextArea() const { return FindWindowExW(m_window, nullptr, L"EDIT", nullptr); }

POINT OtherProgramWindow::Inside() const {
    RECT rect;
    GetWindowRect(m_window, &rect);
    return {rect.right - 40, rect.bottom - 30};
}

bool OtherProgramWindow::Close() {
    PostMessageW(m_window, WM_CLOSE, 0, 0);
    return m_process.WaitForExit(kActionTimeoutMs);
}

bool OtherProgramWindow::StopAnswering(DWORD ms) {
    ResetEvent(m_stopped.get());
    return PostMessageW(m_window, WM_APP, ms, 0) &&
           WaitForSingleObject(m_stopped.get(), kActionTimeoutMs) == WAIT_OBJECT_0;
}
