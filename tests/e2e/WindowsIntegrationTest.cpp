// What Windows reads from the shipped files before they run (the manifest
// and the version resource, through the system's own readers), and the
// dialogs laid out at 150 %.
// The activation-context queries below are Windows 7's; the build targets XP.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0601

#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/ExeResources.h"
#include "tests/support/FileContents.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

#include <optional>
#include <string>
#include <vector>
#include "res/resource.h"

using namespace testsupport;

namespace {

const wchar_t kSettings2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
const wchar_t kSettings2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

// The run level and settings the loader takes from a file's manifest.
struct ManifestReading {
    bool parsed = false;
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level = {};
    std::wstring dpiAware, dpiAwareness;
};

std::wstring Setting(HANDLE context, const wchar_t* space, const wchar_t* name) {
    wchar_t value[64] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context, space, name, value, 64, &written)) return L"(none)";
    return value;
}

ManifestReading ReadManifest(const std::wstring& path) {
    ManifestReading reading;
    ACTCTXW request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    HANDLE context = CreateActCtxW(&request);
    if (context == INVALID_HANDLE_VALUE) return reading;
    reading.parsed = QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &reading.level,
                                  sizeof(reading.level), nullptr) != FALSE;
    reading.dpiAware = Setting(context, kSettings2005, L"dpiAware");
    reading.dpiAwareness = Setting(context, kSettings2016, L"dpiAwareness");
    ReleaseActCtx(context);
    return reading;
}

// One string of the version resource, in the language and code page its
// translation table names first, as Explorer reads it.
std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    const WORD* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", (void**)&translation, &size) || size < 4)
        return L"(no translation)";
    wchar_t query[64];
    wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
    const wchar_t* value = nullptr;
    if (!VerQueryValueW(info.data(), query, (void**)&value, &size)) return L"(none)";
    return value;
}

class WindowsIntegrationTest : public ZorvaneTest {};

TEST_F(WindowsIntegrationTest, BothShippedProgramsRunAsTheirUserAndZorvaneIsDpiAware) {
    // The updater as it ships: the copy inside the program.
    const std::optional<std::string> updater = ExeResources::Read(AppPath(), "EXE", IDR_UPDATER_EXE);
    ASSERT_TRUE(updater);
    const std::wstring updaterPath = m_folder.File(L"shipped-updater.exe");
    ASSERT_TRUE(FileContents::Write(updaterPath, updater->data(), updater->size()));
    const struct {
        std::wstring path;
        const wchar_t* dpiAware;
        const wchar_t* dpiAwareness;
    } programs[] = {
        {AppPath(), L"true", L"PerMonitorV2, PerMonitor"},
        {updaterPath, L"(none)", L"(none)"},
    };
    for (const auto& program : programs) {
        const ManifestReading manifest = ReadManifest(program.path);
        ASSERT_TRUE(manifest.parsed) << "no manifest read from " << ::testing::PrintToString(program.path);
        EXPECT_EQ(manifest.level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
        EXPECT_EQ(manifest.level.UiAccess, 0u);
        EXPECT_EQ(manifest.dpiAware, program.dpiAware);
        EXPECT_EQ(manifest.dpiAwareness, program.dpiAwareness);
    }
}

TEST_F(WindowsIntegrationTest, TheVersionResourceNamesTheProgramInChinese) {
    const std::wstring path = AppPath();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_NE(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
    const WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", (void**)&translation, &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Zorvane");
    EXPECT_EQ(VersionString(info, L"FileDescription").rfind(L"Zorvane ", 0), 0u);
    // The numbers Explorer shows agree with the texts beside them.
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", (void**)&fixed, &length));
    wchar_t numbers[32];
    wsprintfW(numbers, L"%u.%u.%u.%u", HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
              HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
    EXPECT_EQ(VersionString(info, L"ProductVersion"), numbers);
    EXPECT_EQ(VersionString(info, L"FileVersion"), numbers);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
}

// The user's DPI, as Wine reads it at each program's start; put back as it
// was when the test ends.
class DpiSetting {
public:
    explicit DpiSetting(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &m_key, nullptr);
        DWORD size = sizeof(m_old);
        m_hadOld = RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr, (BYTE*)&m_old, &size) == ERROR_SUCCESS;
        m_set = RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, (const BYTE*)&dpi, sizeof(dpi)) == ERROR_SUCCESS;
    }
    ~DpiSetting() {
        if (m_hadOld)
            RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, (const BYTE*)&m_old, sizeof(m_old));
        else
            RegDeleteValueW(m_key, L"LogPixels");
        RegCloseKey(m_key);
    }
    bool Set() const { return m_set; }

private:
    HKEY m_key = nullptr;  // owned
    DWORD m_old = 0;
    bool m_hadOld = false;
    bool m_set = false;
};

// Captions of the window's buttons and text fields that do not fit their
// control when drawn in the dialog font at the given DPI, with their sizes.
std::vector<std::string> ClippedCaptions(HWND box, int dpi, bool classicTemplate) {
    // As the dialog manager makes the templates' font: 9 points of 宋体, in
    // the Chinese character set where the extended template says so.
    HFONT font = CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, classicTemplate ? FW_DONTCARE : FW_NORMAL, 0, 0, 0,
                             classicTemplate ? DEFAULT_CHARSET : GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<std::string> clipped;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowProbe probe(child);
        const std::wstring text = probe.Text();
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const bool button = probe.ClassName() == L"Button";
        const bool label = probe.ClassName() == L"Static" && (style & SS_TYPEMASK) <= SS_RIGHT;
        if (text.empty() || !(button || label)) continue;
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        RECT client = {};
        GetClientRect(child, &client);
        // A button's frame and focus mark take a few pixels of each side.
        const int margin = button ? 4 : 0;
        if (extent.cx > client.right - 2 * margin || extent.cy > client.bottom)
            clipped.push_back(::testing::PrintToString(text) + " " + std::to_string(extent.cx) + "x" +
                              std::to_string(extent.cy) + " in " + std::to_string(client.right) + "x" +
                              std::to_string(client.bottom));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return clipped;
}

TEST_F(WindowsIntegrationTest, AtOneHundredAndFiftyPercentNoCaptionIsClipped) {
    AppInstance app;
    HWND dialog = nullptr;
    {
        const DpiSetting dpi(144);
        ASSERT_TRUE(dpi.Set());
        dialog = StartAndWaitForDialog(app);
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClippedCaptions(dialog, 144, false), std::vector<std::string>{});

    HWND about = nullptr;
    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, ID_TRAY_ABOUT, 0));
    ASSERT_TRUE(WaitUntil([&] { return (about = FindOwnedBox(dialog)) != nullptr; }, kActionTimeoutMs));
    EXPECT_EQ(ClippedCaptions(about, 144, true), std::vector<std::string>{});
    ASSERT_TRUE(PostMessageW(about, WM_COMMAND, IDOK, 0));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kActionTimeoutMs));
    EXPECT_TRUE(app.End());
}

}  // namespace
