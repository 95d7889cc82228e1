#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// Finds and answers the standard message boxes a program under test shows.
class MessageBoxProbe {
public:
    // A visible top-level dialog ("#32770") of the process, other than its
    // marked main dialog, with a static text that contains text; or null.
    static HWND Find(DWORD processId, const std::wstring& text);
    static HWND WaitFor(DWORD processId, const std::wstring& text, DWORD timeoutMs);

    // The box's text, as shown.
    static std::wstring Message(HWND box);

    // Presses the box's OK button and waits until the box has gone.
    static bool PressOk(HWND box, DWORD timeoutMs);
};

}  // namespace testsupport
