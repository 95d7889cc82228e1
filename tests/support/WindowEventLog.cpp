#include "tests/support/WindowEventLog.h"

namespace testsupport {

WindowEventLog* WindowEventLog::s_active = nullptr;

WindowEventLog::WindowEventLog() {
    // One log at a time: the hook procedure has no context argument.
    if (s_active) return;
    m_hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, OnEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (m_hook) s_active = this;
}

WindowEventLog::~WindowEventLog() {
    if (m_hook) {
        UnhookWinEvent(m_hook);
        s_active = nullptr;
    }
}

void CALLBACK WindowEventLog::OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG objectId, LONG, DWORD threadId, DWORD) {
    if (!s_active || objectId != OBJID_WINDOW || !window) return;
    wchar_t name[256] = {};
    if (!GetClassNameW(window, name, 256)) name[0] = L'\0';
    s_active->m_entries.push_back(Entry{window, threadId, name});
}

std::vector<WindowEventLog::Entry> WindowEventLog::CreatedByThread(DWORD threadId) const {
    std::vector<Entry> found;
    for (const Entry& entry : m_entries) {
        if (entry.threadId == threadId) found.push_back(entry);
    }
    return found;
}

std::vector<WindowEventLog::Entry> WindowEventLog::CreatedOfClass(const std::wstring& className) const {
    std::vector<Entry> found;
    for (const Entry& entry : m_entries) {
        if (entry.className == className) found.push_back(entry);
    }
    return found;
}

}  // namespace testsupport
