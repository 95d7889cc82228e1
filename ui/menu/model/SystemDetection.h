// What the owner-drawn menu asks of the system: the Windows version (read
// once at start-up), the desktop theme (read once, on first need) and the
// look that follows from both. The decisions themselves are the plain
// functions of OsVersion.h.
#pragma once

#include "framework/Afx.h"
#include "ui/menu/draw/MenuColors.h"
#include "ui/menu/model/OsVersion.h"

namespace tessel {

// GetVersion and, where it does not decide, GetVersionExA, mapped.
OsVersionCode DetectOsVersion();

// True when the current theme file is the classic one. Reads the registry
// at the first call of the process only; later theme changes are not seen.
BOOL IsClassicThemeActive();

// The shells of 95/NT 4 and later.
BOOL IsNewShellOs();

// Windows XP with a theme other than the classic one.
BOOL IsXPLook();

// The effective drawing style is the XP one.
BOOL IsXPStyleActive();

// The look questions the drawing routines ask, answered once per paint.
struct SystemLook {
    bool xpLook = false;
    bool newShell = false;
};
SystemLook CurrentSystemLook();

// The system colours the menu's drawing reads.
MenuSysColors ReadMenuSysColors();

}  // namespace tessel

namespace tessel {

// The window whose DC the menu measures and renders with: the application's
// main window, or the desktop window when there is none. Borrowed.
HWND MenuReferenceWindow();

}  // namespace tessel
