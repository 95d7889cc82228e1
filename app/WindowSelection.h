// Which top-level windows of other programs the tray menu lists as on top,
// and which a rule pins; plain values only.
#pragma once
#include <windows.h>

struct WindowTraits {
    bool ofThisProcess;
    bool visible;
    bool hasTitle;
    DWORD style;
    DWORD exStyle;
    const wchar_t* className;
};

// The desktop's and the taskbars' windows.
bool IsShellWindowClass(const wchar_t* className);

// Visible, on top, titled, and neither this program's, the shell's nor a
// tool window.
bool ListedAsOnTop(const WindowTraits& window);

// A window the user works in: neither this program's, the shell's, a tool
// window, a menu nor a caption-less helper; hidden ones count, since they
// may be shown later.
bool TakenByRule(const WindowTraits& window);
