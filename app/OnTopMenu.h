// The tray menu's own part: one item per window on top, each with its
// submenu; release-all; and the rules' submenu. Put before the menu's other
// items while it is open, and taken out again after; what was listed stays
// until the next opening, for the command the menu posts once it is closed.
#pragma once
#include <windows.h>

#include <vector>

#include "persist/PinRules.h"

class OnTopMenu {
public:
    enum class Action { None, Release, ToggleRule, ReleaseAll, RemoveRule };
    struct Choice {
        Action action;
        HWND window;             // borrowed: checked to be still the one listed, or null
        const wchar_t* program;  // the program's file name, valid until the next Insert or rules change
    };

    OnTopMenu() = default;
    OnTopMenu(const OnTopMenu&) = delete;
    OnTopMenu& operator=(const OnTopMenu&) = delete;

    // Lists what is on top now and puts it at the top of popup.
    void Insert(HMENU popup, const PinRules& rules);
    void Remove(HMENU popup);
    // What the command of an item of ours asks for; None for other commands.
    // rules are those the menu showed: only a command changes them.
    Choice Resolve(UINT command, const PinRules& rules) const;
    // The windows' icons, drawn by the menu's owner: true for an item of ours.
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    struct Listed {
        HWND window;  // borrowed: another program's window
        DWORD process;
        HICON icon;  // borrowed: its program's or its class's, while the window lives
        wchar_t program[MAX_PATH];
    };

    std::vector<Listed> m_windows;
    int m_inserted = 0;
};
