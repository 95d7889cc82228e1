#pragma once

#include <windows.h>

#include <string>

// A manual-reset event with a name unique to this process, for helper
// programs to open.
class NamedEvent {
public:
    explicit NamedEvent(const std::string& purpose);
    ~NamedEvent();
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;

    bool created() const { return m_event != nullptr; }
    const std::string& name() const { return m_name; }
    void Set() const { SetEvent(m_event); }
    bool Wait(DWORD timeoutMs) const { return WaitForSingleObject(m_event, timeoutMs) == WAIT_OBJECT_0; }

private:
    std::string m_name;
    HANDLE m_event = nullptr;
};
