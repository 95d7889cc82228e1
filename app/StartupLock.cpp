#include "app/StartupLock.h"

StartupLock::StartupLock(const wchar_t* name) : m_mutex(::CreateMutexW(nullptr, FALSE, name)) {}

StartupLock::~StartupLock() {
    if (m_held) ::ReleaseMutex(m_mutex.get());
}

bool StartupLock::TryTake(DWORD waitMs) {
    if (!m_mutex || m_held) return true;
    // Abandoned: the holder died, and the lock is ours all the same.
    const DWORD result = ::WaitForSingleObject(m_mutex.get(), waitMs);
    m_held = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    return m_held;
}
