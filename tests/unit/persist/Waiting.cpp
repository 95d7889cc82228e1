#include "tests/unit/persist/Waiting.h"

#include <windows.h>

bool WaitUntil(const std::function<bool()>& condition, unsigned long timeoutMs, unsigned long pollMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(pollMs);  // the polling interval, not a wait for something to happen
    }
}
