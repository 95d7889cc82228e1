// Tells the user at once that a change to another program's window did not
// happen, or is still to come: a balloon from the tray icon naming the
// window and the reason, with the system's sound. A shell that shows no
// balloons refuses the record, and the sound alone is heard.
#pragma once
#include <windows.h>

#include "app/ChangeNotice.h"

class TrayNotice {
public:
    // owner and iconId name the tray icon; window is the one changed.
    static void Tell(HWND owner, UINT iconId, HWND window, WindowChange change, ChangeProblem problem, DWORD error);
};
