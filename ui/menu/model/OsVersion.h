// Windows version and desktop-theme decisions of the owner-drawn menu, as
// plain functions of the numbers the system reports. The menu's start-up
// code reads GetVersion/GetVersionExA and the theme value once and asks
// these functions what they mean.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/PathSplit.h"

namespace tessel {

enum OsVersionCode : int {
    OsWin32s = 0,
    OsOtherNT = 1,
    OsWin95 = 2,
    OsWin98 = 3,
    OsWinMe = 4,
    OsWinNT4 = 5,
    OsWin2000 = 6,
    OsWinXP = 7,
};

enum DrawStyle : int {
    DrawStyleClassic = 0,
    DrawStyleXP = 1,
};

// Major and minor version as GetVersionExA reports them.
struct OsVersionNumbers {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

// versionWord: the result of GetVersion(); its top bit marks the non-NT
// family and its low byte is the major version.
// numbers: what GetVersionExA filled in, or nullopt when no version block
// could be had. A failed GetVersionExA leaves a zeroed block: pass 0.0.
// Only consulted where GetVersion alone does not decide (not for Win32s).
OsVersionCode MapOsVersion(std::uint32_t versionWord, std::optional<OsVersionNumbers> numbers);

// True when the version word alone decides (Win32s), so the caller may skip
// GetVersionExA.
bool IsDecidedByVersionWord(std::uint32_t versionWord);

// The shells of 95/NT 4 and later (sunken edges, selected fonts).
bool IsNewShellOsVersion(OsVersionCode os);

// True when a theme file path names the classic theme: it ends in
// "Windows Classic.theme" in any letter case. The path ends at its first
// NUL or at the end of the view, whichever comes first (registry strings
// need not be terminated). With a lead-byte test for a double-byte code
// page, a match must also start on a character boundary.
bool IsClassicThemePath(std::string_view path, LeadBytePredicate isLeadByte = nullptr);

// The drawing style in force: the themed style under the XP look, the
// default style otherwise.
int EffectiveDrawStyle(bool xpLook, int defaultStyle, int themedStyle);

inline bool IsXPStyleActiveFor(bool xpLook, int defaultStyle, int themedStyle) {
    return EffectiveDrawStyle(xpLook, defaultStyle, themedStyle) == DrawStyleXP;
}

}  // namespace tessel

namespace tessel {

// RASTERCAPS bit of a palette device.
constexpr std::uint32_t kRasterCapsPalette = 0x0100;

// Which routine draws an item: a palette device always gets the classic
// one; otherwise the XP routine draws while the XP style is active.
bool UsesClassicDrawing(std::uint32_t rasterCaps, bool xpStyleActive);

}  // namespace tessel
