// Version and theme decisions for the owner-drawn menu; see OsVersion.h.
#include "ui/menu/model/OsVersion.h"

namespace tessel {

namespace {

constexpr std::uint32_t kNotNtBit = 0x80000000u;
constexpr std::string_view kClassicThemeFile = "Windows Classic.theme";

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool IsDecidedByVersionWord(std::uint32_t versionWord) {
    return (versionWord & kNotNtBit) != 0 && (versionWord & 0xFFu) < 4;
}

OsVersionCode MapOsVersion(std::uint32_t versionWord, std::optional<OsVersionNumbers> numbers) {
    const bool nt = (versionWord & kNotNtBit) == 0;
    if (!nt) {
        if ((versionWord & 0xFFu) < 4) return OsWin32s;
        if (!numbers) return OsWin95;
        if (numbers->major == 4 && numbers->minor == 10) return OsWin98;
        if (numbers->major == 4 && numbers->minor == 90) return OsWinMe;
        return OsWin95;
    }
    if (!numbers) return OsOtherNT;
    if (numbers->major == 4) return OsWinNT4;
    if (numbers->major == 5 && numbers->minor == 0) return OsWin2000;
    if (numbers->major == 5 && numbers->minor == 1) return OsWinXP;
    return OsOtherNT;
}

bool IsNewShellOsVersion(OsVersionCode os) { return static_cast<int>(os) > static_cast<int>(OsOtherNT); }

bool IsClassicThemePath(std::string_view path, LeadBytePredicate isLeadByte) {
    const std::size_t nul = path.find('\0');
    if (nul != std::string_view::npos) path = path.substr(0, nul);
    if (path.size() < kClassicThemeFile.size()) return false;
    const std::size_t start = path.size() - kClassicThemeFile.size();
    if (!EqualsIgnoringAsciiCase(path.substr(start), kClassicThemeFile)) return false;
    if (isLeadByte == nullptr) return true;
    // Walk characters from the front: the tail must not begin on the second
    // byte of a double-byte character.
    std::size_t i = 0;
    while (i < start) i += isLeadByte(static_cast<unsigned char>(path[i])) ? 2 : 1;
    return i == start;
}

int EffectiveDrawStyle(bool xpLook, int defaultStyle, int themedStyle) { return xpLook ? themedStyle : defaultStyle; }

}  // namespace tessel

namespace tessel {

bool UsesClassicDrawing(std::uint32_t rasterCaps, bool xpStyleActive) {
    return (rasterCaps & kRasterCapsPalette) != 0 || !xpStyleActive;
}

}  // namespace tessel
