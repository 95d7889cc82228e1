#include "ui/menu/model/SystemDetection.h"

#include <string_view>

#include "common/PathSplit.h"
#include "ui/menu/model/TesselMenu.h"

namespace tessel {

namespace {

constexpr const char kThemeKey[] = "Software\\Microsoft\\Plus!\\Themes\\Current";

}  // namespace

OsVersionCode DetectOsVersion() {
    const DWORD word = ::GetVersion();
    if (IsDecidedByVersionWord(word)) return MapOsVersion(word, std::nullopt);
    // A failed call leaves the zeroed block, which maps as version 0.0.
    OSVERSIONINFOA info = {};
    static_assert(sizeof(info) == 148, "the version block of the ANSI call");
    info.dwOSVersionInfoSize = sizeof(info);
    ::GetVersionExA(&info);
    return MapOsVersion(word, OsVersionNumbers{info.dwMajorVersion, info.dwMinorVersion});
}

BOOL IsClassicThemeActive() {
    if (TesselMenu::s_classicThemeChecked) return TesselMenu::s_classicTheme;
    TesselMenu::s_classicThemeChecked = 1;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return TesselMenu::s_classicTheme;
    }
    char buffer[260] = {};
    DWORD type = REG_SZ;
    DWORD size = sizeof(buffer);
    const LONG read = ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    // Registry strings need not be terminated: the view ends at the size read.
    if (read == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) &&
        IsClassicThemePath(std::string_view(buffer, size <= sizeof(buffer) ? size : sizeof(buffer)), IsAnsiLeadByte)) {
        TesselMenu::s_classicTheme = 1;
    }
    return TesselMenu::s_classicTheme;
}

BOOL IsNewShellOs() { return IsNewShellOsVersion(TesselMenu::s_osVersion) ? TRUE : FALSE; }

BOOL IsXPLook() {
    // The theme is read only on XP, where it matters.
    return TesselMenu::s_osVersion == OsWinXP && !IsClassicThemeActive();
}

BOOL IsXPStyleActive() {
    return IsXPStyleActiveFor(IsXPLook() != FALSE, TesselMenu::s_defaultDrawStyle, TesselMenu::s_themedDrawStyle)
               ? TRUE
               : FALSE;
}

SystemLook CurrentSystemLook() {
    SystemLook look;
    look.xpLook = IsXPLook() != FALSE;
    look.newShell = IsNewShellOs() != FALSE;
    return look;
}

MenuSysColors ReadMenuSysColors() {
    MenuSysColors c;
    c.menu = ::GetSysColor(COLOR_MENU);
    c.menuText = ::GetSysColor(COLOR_MENUTEXT);
    c.window = ::GetSysColor(COLOR_WINDOW);
    c.btnFace = ::GetSysColor(COLOR_BTNFACE);
    c.btnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    c.btnHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    c.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    c.highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    c.grayText = ::GetSysColor(COLOR_GRAYTEXT);
    return c;
}

}  // namespace tessel

#include "framework/CWnd.h"

namespace tessel {

HWND MenuReferenceWindow() {
    CWnd* main = AfxGetMainWnd();
    if (main != nullptr && main->m_hWnd != nullptr && ::IsWindow(main->m_hWnd)) return main->m_hWnd;
    return ::GetDesktopWindow();
}

}  // namespace tessel
