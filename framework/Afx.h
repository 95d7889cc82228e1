// Common include of the framework: the Windows API at the level the
// framework targets, and the few helpers every framework file needs.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

class CWinApp;
class CWnd;

// Reflected notifications arrive at the control's own object as this base
// plus the original message number.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

// The standard command that the application object routes to its help.
constexpr UINT ID_HELP = 0xE146;

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
