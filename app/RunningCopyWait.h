// Starts of the program that race each other. The first to take the
// start-up lock goes on; the others wait for its marked window and hand
// over to it, as any later start does.
#pragma once
#include <windows.h>

#include "common/BusyRetry.h"

// The marked window to hand over to, or null to go on as the first copy.
// findMarked looks for a running copy's marked window; tryTakeLock(waitMs)
// waits up to waitMs for the start-up lock and tells whether this start
// holds it (also when there is no lock to take). A holder that shows no
// window before the deadline (a start that only removes a leftover updater,
// or a hung one) is not waited for any longer.
template <class FindMarked, class TryTakeLock, class Clock>
HWND WaitForRunningCopy(FindMarked findMarked, TryTakeLock tryTakeLock, const Deadline& deadline, DWORD pollMs,
                        Clock now) {
    bool held = tryTakeLock(0);
    for (;;) {
        // A marked window wins even over a lock just taken: its copy runs.
        if (HWND marked = findMarked()) return marked;
        if (held) return nullptr;
        const DWORD remaining = deadline.RemainingMs(now());
        if (remaining == 0) return nullptr;
        held = tryTakeLock(remaining < pollMs ? remaining : pollMs);
    }
}
