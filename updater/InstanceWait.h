#pragma once

#include "common/BusyRetry.h"

#include <windows.h>

// EnumWindows callback; lParam is the address of an HWND that receives the
// first window carrying the main program's instance marker.
BOOL CALLBACK FindInstanceProc(HWND window, LPARAM lParam);

// Waits, at most 20 s and never past deadline, for the process of the main
// program's dialog to end. Returns at once when no such window exists or its
// process cannot be opened.
void WaitForMainInstance(const Deadline& deadline);
