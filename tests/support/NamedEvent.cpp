#include "tests/support/NamedEvent.h"

#include "tests/support/WaitUntil.h"

namespace testsupport {

namespace {

int g_eventCount = 0;

}  // namespace

NamedEvent::NamedEvent(const std::string& purpose)
    : m_name("zorvane-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_eventCount) + "-" +
             purpose),
      m_event(CreateEventA(nullptr, TRUE, FALSE, m_name.c_str())) {}

bool NamedEvent::Wait(DWORD timeoutMs) const {
    const auto isSet = [this] { return WaitForSingleObject(m_event.get(), 0) == WAIT_OBJECT_0; };
    return m_event && WaitUntil(isSet, timeoutMs);
}

}  // namespace testsupport
