#include "tests/unit/persist/NamedEvent.h"

namespace {

int g_eventCount = 0;

}  // namespace

NamedEvent::NamedEvent(const std::string& purpose)
    : m_name("brisklet-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_eventCount) + "-"
             + purpose)
{
    m_event = CreateEventA(nullptr, TRUE, FALSE, m_name.c_str());
}

NamedEvent::~NamedEvent()
{
    if (m_event != nullptr)
        CloseHandle(m_event);
}
