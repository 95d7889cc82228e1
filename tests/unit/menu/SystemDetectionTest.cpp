// Version and theme detection. Both are read once per process, so each
// Windows version runs in a child process of this test program: Wine
// reports the version set for the child's file name under
// HKCU\Software\Wine\AppDefaults, and the theme value is set in the
// registry before the child starts. The child runs the checks below,
// registered only in a child, for the case named in its environment.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/ChildProcess.h"
#include "tests/support/CodePage.h"
#include "tests/support/PixelCanvas.h"
#include "tests/unit/menu/MenuTestSupport.h"
#include "ui/menu/model/SystemDetection.h"
#include "ui/menu/model/TesselMenu.h"

namespace {

constexpr char kCaseVariable[] = "TESSEL_PROBE_CASE";
constexpr char kProbeFile[] = "tessel_probe.exe";
constexpr char kThemeKey[] = "Software\\Microsoft\\Plus!\\Themes\\Current";

enum class Theme { Missing, Path, NotAString };

struct ProbeCase {
    const char* name;
    const char* wineVersion;
    Theme theme;
    const char* themePath;
    tessel::OsVersionCode os;
    bool xpLook;
    bool themeRead;  // the registry is read at all
};

const char kLuna[] = "C:\\WINDOWS\\Resources\\Themes\\Luna.theme";
const char kClassic[] = "C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme";

const ProbeCase kCases[] = {
    {"win31", "win31", Theme::Path, kClassic, tessel::OsWin32s, false, false},
    {"win95", "win95", Theme::Path, kClassic, tessel::OsWin95, false, false},
    {"win98", "win98", Theme::Path, kLuna, tessel::OsWin98, false, false},
    {"winme", "winme", Theme::Path, kLuna, tessel::OsWinMe, false, false},
    {"nt40", "nt40", Theme::Path, kLuna, tessel::OsWinNT4, false, false},
    {"win2k", "win2k", Theme::Path, kLuna, tessel::OsWin2000, false, false},
    {"winxp-luna", "winxp", Theme::Path, kLuna, tessel::OsWinXP, true, true},
    {"winxp-classic", "winxp", Theme::Path, kClassic, tessel::OsWinXP, false, true},
    {"winxp-classic-any-case", "winxp", Theme::Path, "d:\\themes\\wINDOWS cLASSIC.THEME", tessel::OsWinXP, false, true},
    {"winxp-bare-name", "winxp", Theme::Path, "Windows Classic.theme", tessel::OsWinXP, false, true},
    {"winxp-longer-extension", "winxp", Theme::Path, "C:\\Windows Classic.themes", tessel::OsWinXP, true, true},
    {"winxp-no-key", "winxp", Theme::Missing, "", tessel::OsWinXP, true, true},
    {"winxp-empty-value", "winxp", Theme::Path, "", tessel::OsWinXP, true, true},
    {"winxp-not-a-string", "winxp", Theme::NotAString, "", tessel::OsWinXP, true, true},
    {"win2003", "win2003", Theme::Path, kClassic, tessel::OsOtherNT, false, false},
    {"vista", "vista", Theme::Path, kLuna, tessel::OsOtherNT, false, false},
    {"win7", "win7", Theme::Path, kLuna, tessel::OsOtherNT, false, false},
};

const ProbeCase* FindCase(const std::string& name) {
    for (const ProbeCase& c : kCases)
        if (name == c.name) return &c;
    return nullptr;
}

std::string EnvironmentValue(const char* name) {
    char buffer[256] = {};
    const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
    return n > 0 && n < sizeof(buffer) ? std::string(buffer, n) : std::string();
}

void WriteTheme(Theme theme, const char* path) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kThemeKey);
    if (theme == Theme::Missing) return;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (theme == Theme::Path) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                       static_cast<DWORD>(std::strlen(path) + 1));
    } else {
        const DWORD value = 1;
        RegSetValueExA(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }
    RegCloseKey(key);
}

// ---- the checks a child runs ------------------------------------------

int ExpectedCaptionWidth(const wchar_t* text, bool win32s) {
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    HFONT font = menutest::MenuFont();
    HGDIOBJ old = SelectObject(dc, font);
    int width = 0;
    if (win32s) {
        char narrow[256] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof(narrow), nullptr, nullptr);
        RECT r = {};
        DrawTextA(dc, narrow, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        width = r.right - r.left + 3;
        width += 3 * (width / static_cast<int>(wcslen(text)));
    } else {
        SIZE size = {};
        GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
        width = size.cx;
    }
    if (old != nullptr) SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(desktop, dc);
    return width;
}

class DetectionProbe : public testing::Test {
public:
    explicit DetectionProbe(const ProbeCase* c) : case_(c) {}

    void TestBody() override {
        const ProbeCase& c = *case_;
        // Detected at start-up, before this test, and stable.
        EXPECT_EQ(TesselMenu::s_osVersion, c.os);
        EXPECT_EQ(tessel::DetectOsVersion(), c.os);
        EXPECT_EQ(tessel::IsNewShellOs() != FALSE, static_cast<int>(c.os) > 1);

        EXPECT_EQ(TesselMenu::s_classicThemeChecked, 0);
        EXPECT_EQ(tessel::IsXPLook() != FALSE, c.xpLook);
        EXPECT_EQ(TesselMenu::s_classicThemeChecked != 0, c.themeRead) << "the registry is read on Windows XP only";
        EXPECT_EQ(tessel::IsXPStyleActive() != FALSE, c.xpLook);

        if (c.themeRead) {
            // Cached: a later change of the theme is not seen.
            const BOOL first = tessel::IsClassicThemeActive();
            WriteTheme(Theme::Path, first ? kLuna : kClassic);
            EXPECT_EQ(tessel::IsClassicThemeActive(), first);
            EXPECT_EQ(tessel::IsXPLook() != FALSE, c.xpLook);
        }

        CheckMeasuring(c);
        CheckSharedPictures(c);
        CheckChosenLook(c);
    }

private:
    // The padding and column of the look in force reach MeasureItem.
    void CheckMeasuring(const ProbeCase& c) {
        TesselMenu menu;
        TesselMenuItem item;
        item.SetTextWide(L"&Open\tCtrl+O");
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_MENU;
        mis.itemData = reinterpret_cast<ULONG_PTR>(&item);
        menu.MeasureItem(&mis);
        const int cy = GetSystemMetrics(SM_CYMENU);
        const int caption = ExpectedCaptionWidth(L"&Open\tCtrl+O", c.os == tessel::OsWin32s);
        if (c.xpLook) {
            EXPECT_EQ(static_cast<int>(mis.itemWidth), caption + 31);
            EXPECT_EQ(static_cast<int>(mis.itemHeight), std::max(cy, 22));
        } else {
            EXPECT_EQ(static_cast<int>(mis.itemWidth), caption + 33);
            EXPECT_EQ(static_cast<int>(mis.itemHeight), std::max(cy, 19));
        }
        TesselMenuItem separator;
        separator.flags = MF_SEPARATOR | MF_OWNERDRAW;
        mis.itemData = reinterpret_cast<ULONG_PTR>(&separator);
        menu.MeasureItem(&mis);
        EXPECT_EQ(mis.itemWidth, 0u);
        EXPECT_EQ(static_cast<int>(mis.itemHeight), std::max(c.xpLook ? 11 : 9, cy / 2));
    }

    // Effect copies exist exactly in the XP style.
    void CheckSharedPictures(const ProbeCase& c) {
        TesselMenu menu;
        CImageList source = menutest::MakePictureList({RGB(200, 0, 0), RGB(0, 0, 200)});
        const int first = menu.AddSharedImage(source, 0, 100);
        ASSERT_GE(first, 0);
        const int again = menu.AddSharedImage(source, 1, 100);
        EXPECT_EQ(again, first);
        const int entries = c.xpLook ? 3 : 1;
        EXPECT_EQ(static_cast<int>(TesselMenu::s_sharedImageIds.size()), entries);
        EXPECT_EQ(TesselMenu::s_sharedImages.GetImageCount(), entries);
        EXPECT_EQ(TesselMenu::HasEffectImages(first) != FALSE, c.xpLook);
    }

    // A selected item: one highlight-framed light box in the XP look, a
    // solid highlight bar in the classic one.
    void CheckChosenLook(const ProbeCase& c) {
        TesselMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        ASSERT_TRUE(menu.AppendItem(L"Item", 0, 7));
        testsupport::PixelCanvas canvas(120, 22);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = 7;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_SELECTED;
        dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
        dis.hDC = canvas.DC();
        dis.rcItem = RECT{0, 0, 120, 22};
        dis.itemData = reinterpret_cast<ULONG_PTR>(menu.m_items[0].get());
        menu.DrawItem(&dis);
        const tessel::Color highlight = GetSysColor(COLOR_HIGHLIGHT);
        if (c.xpLook) {
            EXPECT_EQ(canvas.Pixel(0, 0), highlight);
            EXPECT_EQ(canvas.Pixel(3, 3), tessel::LightenColor(highlight, 0.7));
        } else {
            EXPECT_EQ(canvas.Pixel(0, 0), highlight);
            EXPECT_EQ(canvas.Pixel(3, 3), highlight);
        }
    }

    const ProbeCase* case_;
};

// Registered in a child only.
const bool g_probeRegistered = [] {
    const ProbeCase* c = FindCase(EnvironmentValue(kCaseVariable));
    if (c == nullptr) return false;
    testing::RegisterTest("TesselProbe", c->name, nullptr, nullptr, __FILE__, __LINE__,
                          [c]() -> testing::Test* { return new DetectionProbe(c); });
    return true;
}();

// ---- the parent ---------------------------------------------------------

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class SystemDetection : public testing::Test {
protected:
    static void SetUpTestSuite() {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        s_probe = std::string(temp) + kProbeFile;
        s_copied = CopyFileA(self, s_probe.c_str(), FALSE) != FALSE;
        // The theme value as it was, put back after the suite.
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            char value[1024] = {};
            DWORD size = sizeof(value) - 1;
            DWORD type = 0;
            if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                    ERROR_SUCCESS &&
                type == REG_SZ) {
                s_savedTheme = value;
                s_hadTheme = true;
            }
            RegCloseKey(key);
        }
    }

    static void TearDownTestSuite() {
        if (s_hadTheme) {
            WriteTheme(Theme::Path, s_savedTheme.c_str());
        } else {
            RegDeleteKeyA(HKEY_CURRENT_USER, kThemeKey);
        }
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\tessel_probe.exe");
        DeleteFileA(s_probe.c_str());
    }

    // Runs the child for one case; its output goes to a file shown on failure.
    void RunCase(const ProbeCase& c) {
        ASSERT_TRUE(s_copied) << "cannot copy the test program to " << s_probe;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\tessel_probe.exe", 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.wineVersion),
                       static_cast<DWORD>(std::strlen(c.wineVersion) + 1));
        RegCloseKey(key);
        WriteTheme(c.theme, c.themePath);

        const std::string output = s_probe + "." + c.name + ".txt";
        testsupport::ChildProcess::Options options;
        options.outputFile = testsupport::FromAnsi(output);
        options.variableName = testsupport::FromAnsi(kCaseVariable);
        options.variableValue = testsupport::FromAnsi(c.name);
        testsupport::ChildProcess child =
            testsupport::ChildProcess::Start(s_probe, "--gtest_filter=TesselProbe.* --gtest_color=no", options);
        ASSERT_TRUE(child.Started()) << "error " << child.StartError();
        const bool ended = child.WaitForExit(60000);
        const DWORD code = ended ? child.ExitCode() : 1;
        child.Kill();
        const std::string text = ReadFile(output);
        DeleteFileA(output.c_str());
        EXPECT_TRUE(ended) << "the child did not end within 60 s";
        EXPECT_EQ(code, 0u) << text;
        EXPECT_NE(text.find("[  PASSED  ] 1 test"), std::string::npos) << text;
    }

    static std::string s_probe;
    static bool s_copied;
    static std::string s_savedTheme;
    static bool s_hadTheme;
};

std::string SystemDetection::s_probe;
bool SystemDetection::s_copied = false;
std::string SystemDetection::s_savedTheme;
bool SystemDetection::s_hadTheme = false;

TEST_F(SystemDetection, Win32sBeforeVersion4) { RunCase(*FindCase("win31")); }
TEST_F(SystemDetection, Windows95) { RunCase(*FindCase("win95")); }
TEST_F(SystemDetection, Windows98) { RunCase(*FindCase("win98")); }
TEST_F(SystemDetection, WindowsMe) { RunCase(*FindCase("winme")); }
TEST_F(SystemDetection, WindowsNT4) { RunCase(*FindCase("nt40")); }
TEST_F(SystemDetection, Windows2000IgnoresTheTheme) { RunCase(*FindCase("win2k")); }
TEST_F(SystemDetection, WindowsXPWithATheme) { RunCase(*FindCase("winxp-luna")); }
TEST_F(SystemDetection, WindowsXPWithTheClassicTheme) { RunCase(*FindCase("winxp-classic")); }
TEST_F(SystemDetection, ClassicThemeNameInAnyLetterCase) { RunCase(*FindCase("winxp-classic-any-case")); }
TEST_F(SystemDetection, ClassicThemeNameAlone) { RunCase(*FindCase("winxp-bare-name")); }
TEST_F(SystemDetection, ANameThatOnlyStartsLikeTheClassicOne) { RunCase(*FindCase("winxp-longer-extension")); }
TEST_F(SystemDetection, WindowsXPWithoutThemeKey) { RunCase(*FindCase("winxp-no-key")); }
TEST_F(SystemDetection, WindowsXPWithAnEmptyThemeValue) { RunCase(*FindCase("winxp-empty-value")); }
TEST_F(SystemDetection, ThemeValueThatIsNotAString) { RunCase(*FindCase("winxp-not-a-string")); }
TEST_F(SystemDetection, LaterNtVersions) {
    RunCase(*FindCase("win2003"));
    RunCase(*FindCase("vista"));
    RunCase(*FindCase("win7"));
}

}  // namespace
