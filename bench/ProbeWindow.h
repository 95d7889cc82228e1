// The driver's own top-level window: made the foreground window before the
// hotkey is pressed, so that the program under measurement toggles it, and
// watched for the flip of its topmost bit.
#pragma once
#include <windows.h>

#include "bench/Clock.h"

class ProbeWindow {
public:
    ProbeWindow() = default;
    ~ProbeWindow();
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    bool Create();
    HWND Handle() const { return m_hwnd; }
    bool IsTopmost() const;

    // Asks for the foreground and waits until the system reports this window
    // active (GetGUIThreadInfo) and in the foreground: input sent earlier may
    // go to the previous window.
    bool Activate(DWORD limitMs);
    bool IsActive() const;

    // Runs this thread's messages until done() holds or limitMs pass; other
    // processes change this window's state through messages to this thread.
    // Returns done(); when is the counter at the moment it held.
    template <class Done>
    bool PumpUntil(Done done, DWORD limitMs, LONGLONG* when = nullptr) {
        const LONGLONG start = ClockNow();
        for (;;) {
            Pump();
            if (done()) {
                if (when != nullptr) *when = ClockNow();
                return true;
            }
            double left = limitMs - ClockMs(ClockNow() - start);
            if (left <= 0) return false;
            // Woken by any message at once; the millisecond bound catches a
            // change that arrives without one.
            ::MsgWaitForMultipleObjectsEx(0, nullptr, left < 1 ? static_cast<DWORD>(left) : 1, QS_ALLINPUT,
                                          MWMO_INPUTAVAILABLE);
        }
    }

    // Runs this thread's messages for ms milliseconds, sleeping in between.
    static void PumpFor(DWORD ms);

private:
    static void Pump();
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};
