// A window of another program (SeeThroughTestHelper.cpp) for the tests of
// what the cross-hair and the hotkey do to other programs' windows, with a
// text area in it; mode "alpha" or "painted" has its program make it layered
// itself, "plain" leaves it as it is.
#pragma once

#include <windows.h>

#include <string>

#include "common/UniqueHandle.h"
#include "tests/support/ChildProcess.h"

class OtherProgramWindow {
public:
    // program: the helper's file under another name, a program of its own;
    // empty: the helper beside the test program.
    OtherProgramWindow(const char* mode, int x, int y, const std::string& program = {});
    static std::string HelperPath();
    HWND Handle() const { return m_window; }
    HWND TextArea() const;
    // Beside the text area, in the window's own client area.
    POINT Inside() const;
    bool Close();
    // Its program stops answering anything for ms milliseconds; true once
    // it has stopped.
    bool StopAnswering(DWORD ms);

private:
    testsupport::ChildProcess m_process;
    HWND m_window = nullptr;
    UniqueKernelHandle m_stopped;  // set by the program as it stops answering
};
