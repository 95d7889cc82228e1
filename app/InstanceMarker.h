// The window property by which a running copy's main dialog is recognised,
// by a second copy and by the updater.
#pragma once
#include "framework/CString.h"

extern const CString g_propName;  // "Quellbrand"
extern const HANDLE g_propValue;  // 2034

// EnumWindows callback; lParam is the address of an HWND that receives the
// first window carrying the marker.
BOOL CALLBACK FindInstanceProc(HWND hwnd, LPARAM lParam);
