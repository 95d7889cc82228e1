#include "tests/support/WaitUntil.h"

namespace testsupport {

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    // Unsigned differences of the tick count stay right across its wrap.
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        // Read before the poll, so that a failing wait's last poll comes at
        // or after the limit.
        const DWORD elapsed = GetTickCount() - start;
        if (condition()) return true;
        if (elapsed >= timeoutMs) return false;
        const DWORD left = timeoutMs - elapsed;
        if (pollMs != 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, left < pollMs ? left : pollMs, QS_ALLINPUT);
    }
}

}  // namespace testsupport
