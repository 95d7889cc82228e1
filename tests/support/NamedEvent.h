#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace testsupport {

// A manual-reset event with a name unique to this process, by which a child
// process, given the name on its command line, signals or is signalled.
class NamedEvent {
public:
    explicit NamedEvent(const std::string& purpose);

    const std::string& Name() const { return m_name; }
    void Set() const { SetEvent(m_event.get()); }
    // Waits (see WaitUntil) until the event is set; false on time-out.
    bool Wait(DWORD timeoutMs) const;

private:
    std::string m_name;
    UniqueKernelHandle m_event;
};

}  // namespace testsupport
