// Windows version mapping, the classic-theme name and the drawing style.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/menu/model/OsVersion.h"

using namespace tessel;

namespace {

constexpr std::uint32_t kNotNt = 0x80000000u;

struct VersionCase {
    const char* name;
    std::uint32_t versionWord;
    bool haveNumbers;
    std::uint32_t major;
    std::uint32_t minor;
    OsVersionCode expected;
};

std::optional<OsVersionNumbers> NumbersOf(const VersionCase& c) {
    if (!c.haveNumbers) return std::nullopt;
    return OsVersionNumbers{c.major, c.minor};
}

// Version words as the systems report them: NT family with the top bit
// clear, the 9x family and Win32s with it set; the low byte is the major
// version, the next byte the minor one.
const VersionCase kVersionCases[] = {
    // Win32s: not NT and major below 4; the extended numbers do not matter.
    {"Win32s 3.1", kNotNt | 0x0A03, true, 3, 10, OsWin32s},
    {"Win32s major 0", kNotNt | 0x0000, false, 0, 0, OsWin32s},
    {"Win32s major 3 claiming 4.10", kNotNt | 0x0003, true, 4, 10, OsWin32s},
    {"Win32s major 3 without block", kNotNt | 0x0003, false, 0, 0, OsWin32s},
    // Windows 95 and the other non-NT versions from major 4 on.
    {"Windows 95 4.0", kNotNt | 0x0004, true, 4, 0, OsWin95},
    {"Windows 95 OSR2 4.3", kNotNt | 0x0304, true, 4, 3, OsWin95},
    {"non-NT 4.11", kNotNt | 0x0B04, true, 4, 11, OsWin95},
    {"non-NT 4.89", kNotNt | 0x5904, true, 4, 89, OsWin95},
    {"non-NT 4.91", kNotNt | 0x5B04, true, 4, 91, OsWin95},
    {"non-NT 5.10", kNotNt | 0x0A05, true, 5, 10, OsWin95},
    {"non-NT 5.90", kNotNt | 0x5A05, true, 5, 90, OsWin95},
    {"non-NT failed GetVersionExA reads 0.0", kNotNt | 0x0A04, true, 0, 0, OsWin95},
    {"non-NT without version block", kNotNt | 0x0A04, false, 0, 0, OsWin95},
    {"non-NT major 255", kNotNt | 0x00FF, true, 255, 0, OsWin95},
    // Windows 98 and Me.
    {"Windows 98 4.10", kNotNt | 0x0A04, true, 4, 10, OsWin98},
    {"Windows Me 4.90", kNotNt | 0x5A04, true, 4, 90, OsWinMe},
    // NT family.
    {"NT 3.51", 0x3303, true, 3, 51, OsOtherNT},
    {"NT 4.0", 0x0004, true, 4, 0, OsWinNT4},
    {"NT 4.10 still NT 4", 0x0A04, true, 4, 10, OsWinNT4},
    {"NT 4.90 still NT 4", 0x5A04, true, 4, 90, OsWinNT4},
    {"Windows 2000 5.0", 0x0005, true, 5, 0, OsWin2000},
    {"Windows XP 5.1", 0x0105, true, 5, 1, OsWinXP},
    {"Server 2003 5.2", 0x0205, true, 5, 2, OsOtherNT},
    {"Vista 6.0", 0x0006, true, 6, 0, OsOtherNT},
    {"Windows 7 6.1", 0x0106, true, 6, 1, OsOtherNT},
    {"Windows 10 10.0", 0x000A, true, 10, 0, OsOtherNT},
    {"NT 5.1 numbers with a major-5 word are what count", 0x0006, true, 5, 1, OsWinXP},
    {"NT failed GetVersionExA reads 0.0", 0x0105, true, 0, 0, OsOtherNT},
    {"NT without version block", 0x0105, false, 0, 0, OsOtherNT},
    {"NT 5.255", 0xFF05, true, 5, 255, OsOtherNT},
};

}  // namespace

TEST(OsVersionMapping, EveryRowOfTheTable) {
    for (const VersionCase& c : kVersionCases) {
        EXPECT_EQ(MapOsVersion(c.versionWord, NumbersOf(c)), c.expected) << c.name;
    }
}

TEST(OsVersionMapping, TopBitAloneDecidesTheFamily) {
    // The same numbers map to different families by the version word's top bit.
    EXPECT_EQ(MapOsVersion(0x0A04, OsVersionNumbers{4, 10}), OsWinNT4);
    EXPECT_EQ(MapOsVersion(kNotNt | 0x0A04, OsVersionNumbers{4, 10}), OsWin98);
    EXPECT_EQ(MapOsVersion(0x0105, OsVersionNumbers{5, 1}), OsWinXP);
    EXPECT_EQ(MapOsVersion(kNotNt | 0x0105, OsVersionNumbers{5, 1}), OsWin95);
    // Any bit pattern above 0x80000000 counts as not NT.
    EXPECT_EQ(MapOsVersion(0xFFFFFF04u, OsVersionNumbers{4, 90}), OsWinMe);
}

TEST(OsVersionMapping, Win32sBoundaryIsMajorFour) {
    for (std::uint32_t low = 0; low < 256; ++low) {
        const OsVersionCode code = MapOsVersion(kNotNt | low, OsVersionNumbers{4, 0});
        EXPECT_EQ(code, low < 4 ? OsWin32s : OsWin95) << "low byte " << low;
        EXPECT_EQ(IsDecidedByVersionWord(kNotNt | low), low < 4) << "low byte " << low;
    }
    // The NT family is never decided by the word alone.
    EXPECT_FALSE(IsDecidedByVersionWord(0x0003));
    EXPECT_FALSE(IsDecidedByVersionWord(0x0105));
}

TEST(OsVersionMapping, NewShellFromWindows95On) {
    EXPECT_FALSE(IsNewShellOsVersion(OsWin32s));
    EXPECT_FALSE(IsNewShellOsVersion(OsOtherNT));
    for (OsVersionCode os : {OsWin95, OsWin98, OsWinMe, OsWinNT4, OsWin2000, OsWinXP}) {
        EXPECT_TRUE(IsNewShellOsVersion(os)) << os;
    }
}

TEST(ClassicThemePath, EndsInTheClassicFileNameInAnyCase) {
    EXPECT_TRUE(IsClassicThemePath("C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme"));
    EXPECT_TRUE(IsClassicThemePath("c:\\windows\\resources\\themes\\windows classic.theme"));
    EXPECT_TRUE(IsClassicThemePath("D:\\X\\WINDOWS CLASSIC.THEME"));
    EXPECT_TRUE(IsClassicThemePath("wInDoWs ClAsSiC.ThEmE"));
    EXPECT_TRUE(IsClassicThemePath("Windows Classic.theme"));  // exactly the file name
    EXPECT_TRUE(IsClassicThemePath("My Windows Classic.theme"));
}

TEST(ClassicThemePath, OtherNamesAreNotClassic) {
    EXPECT_FALSE(IsClassicThemePath(""));
    EXPECT_FALSE(IsClassicThemePath("Classic.theme"));
    EXPECT_FALSE(IsClassicThemePath("indows Classic.theme"));  // one short
    EXPECT_FALSE(IsClassicThemePath("C:\\WINDOWS\\Resources\\Themes\\Luna.theme"));
    EXPECT_FALSE(IsClassicThemePath("C:\\Themes\\Windows Classic.theme.bak"));
    EXPECT_FALSE(IsClassicThemePath("C:\\Themes\\Windows Classic.themes"));
    EXPECT_FALSE(IsClassicThemePath("C:\\Themes\\Windows_Classic.theme"));
    EXPECT_FALSE(IsClassicThemePath("C:\\Themes\\Windows Classic .theme"));
    // Letters outside ASCII are not folded into the name.
    EXPECT_FALSE(IsClassicThemePath("C:\\Windows Classic.th\xC9me"));
}

TEST(ClassicThemePath, ValueEndsAtItsFirstNul) {
    using namespace std::string_literals;
    const std::string classicThenJunk = "C:\\Windows Classic.theme\0junk"s;
    EXPECT_TRUE(IsClassicThemePath(classicThenJunk));
    const std::string lunaThenClassic = "C:\\Luna.theme\0Windows Classic.theme"s;
    EXPECT_FALSE(IsClassicThemePath(lunaThenClassic));
    // An unterminated value is read to the end of its bytes only.
    const char unterminated[] = {'W', 'i', 'n', 'd', 'o', 'w', 's', ' ', 'C', 'l', 'a',
                                 's', 's', 'i', 'c', '.', 't', 'h', 'e', 'm', 'e'};
    EXPECT_TRUE(IsClassicThemePath(std::string_view(unterminated, sizeof unterminated)));
    EXPECT_FALSE(IsClassicThemePath(std::string_view(unterminated, sizeof unterminated - 1)));
}

TEST(ClassicThemePath, DoubleByteCharactersAreNotSplit) {
    // The tests run in code page 936, whose lead bytes the theme check is given.
    // 0xB0 0xA1 is one GBK character in front of the file name: classic.
    const std::string whole = "C:\\\xB0\xA1Windows Classic.theme";
    EXPECT_TRUE(IsClassicThemePath(whole, IsAnsiLeadByte));
    // Here the 'W' is the second byte of the character 0xB0 0x57, so the name
    // is not "Windows Classic.theme" but "...indows Classic.theme".
    const std::string split = "C:\\\xB0Windows Classic.theme";
    EXPECT_FALSE(IsClassicThemePath(split, IsAnsiLeadByte));
    // Without a code page, bytes are characters.
    EXPECT_TRUE(IsClassicThemePath(split));
}

TEST(ClassicThemePath, LeadBytesOfTheTestsCodePage) {
    ASSERT_EQ(GetACP(), 936u) << "the tests run under the Chinese locale";
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(IsAnsiLeadByte(static_cast<unsigned char>(b)), b >= 0x81 && b <= 0xFE) << b;
    }
}

TEST(XPLook, DrawStyleFollowsTheLook) {
    EXPECT_EQ(EffectiveDrawStyle(true, DrawStyleClassic, DrawStyleXP), DrawStyleXP);
    EXPECT_EQ(EffectiveDrawStyle(false, DrawStyleClassic, DrawStyleXP), DrawStyleClassic);
    EXPECT_TRUE(IsXPStyleActiveFor(true, DrawStyleClassic, DrawStyleXP));
    EXPECT_FALSE(IsXPStyleActiveFor(false, DrawStyleClassic, DrawStyleXP));
    // The settings themselves decide, whatever their values.
    EXPECT_TRUE(IsXPStyleActiveFor(false, DrawStyleXP, DrawStyleClassic));
    EXPECT_FALSE(IsXPStyleActiveFor(true, DrawStyleXP, DrawStyleClassic));
    EXPECT_FALSE(IsXPStyleActiveFor(true, DrawStyleClassic, 7));
}
