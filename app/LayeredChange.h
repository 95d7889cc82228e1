// A change of another program's window to or from see-through, made on a
// thread of its own: setting a window's style waits until the window's own
// thread has taken it, and a program that does not answer then holds up
// that thread alone.
#pragma once
#include <windows.h>

#include "common/UniqueHandle.h"

struct LayeredChange {
    HWND window;       // borrowed: another program's window
    DWORD styleNow;    // its extended style when the change was decided
    DWORD styleAfter;  // the style to set; the same for none
    BYTE alpha;        // set when the style after is layered
    HWND notify;       // borrowed: told by notifyMessage(ticket, error) when done; null: nobody
    UINT notifyMessage;
    UINT ticket;
};

// Starts the change; the thread's exit code is the change's error, 0 when it
// was made. An empty handle when no thread could be started.
UniqueKernelHandle StartLayeredChange(const LayeredChange& change);
