#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// Records the creation of windows in every process while it lives, so a test
// can tell what a short-lived process showed. The system reports creations
// asynchronously: the log fills while the driver's thread dispatches
// messages (WaitUntil does), and a window that is gone before its turn comes
// is recorded with an empty class name.
class WindowEventLog {
public:
    struct Entry {
        HWND window;
        DWORD threadId;
        std::wstring className;
    };

    WindowEventLog();
    ~WindowEventLog();
    WindowEventLog(const WindowEventLog&) = delete;
    WindowEventLog& operator=(const WindowEventLog&) = delete;

    bool Active() const { return m_hook != nullptr; }
    const std::vector<Entry>& Entries() const { return m_entries; }

    std::vector<Entry> CreatedByThread(DWORD threadId) const;
    std::vector<Entry> CreatedOfClass(const std::wstring& className) const;

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId, LONG childId,
                                 DWORD threadId, DWORD time);

    HWINEVENTHOOK m_hook = nullptr;
    std::vector<Entry> m_entries;
    static WindowEventLog* s_active;
};

}  // namespace testsupport
