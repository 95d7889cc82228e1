// The lock that makes "is a copy running?" and "then I am the copy" one
// step: a mutex named per desktop session, held by the first start until
// its process ends. The system releases it for a start that dies.
#pragma once
#include <windows.h>

#include "common/UniqueHandle.h"

class StartupLock {
public:
    explicit StartupLock(const wchar_t* name);
    ~StartupLock();
    StartupLock(const StartupLock&) = delete;
    StartupLock& operator=(const StartupLock&) = delete;

    // Waits up to waitMs for the lock; true once this start holds it. With
    // no lock to be had at all (the system refused the name), true at once:
    // start-up then goes on as it would without one.
    bool TryTake(DWORD waitMs);

private:
    UniqueKernelHandle m_mutex;
    bool m_held = false;
};
