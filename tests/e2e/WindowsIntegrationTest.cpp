// The shipped files as the system reads them, and the dialogs at 150 %.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0601  // for the manifest queries

#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/ExeResources.h"
#include "tests/support/FileContents.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

namespace {

class WindowsIntegrationTest : public ZorvaneTest {};

std::wstring ManifestSetting(HANDLE context, const std::wstring& year, const wchar_t* name) {
    const std::wstring space = L"http://schemas.microsoft.com/SMI/" + year + L"/WindowsSettings";
    wchar_t value[64] = {};
    return QueryActCtxSettingsW(0, context, space.c_str(), name, value, 64, nullptr) ? value : L"(none)";
}

TEST_F(WindowsIntegrationTest, BothShippedProgramsRunAsTheirUserAndZorvaneIsDpiAware) {
    const auto updater = testsupport::ExeResources::Read(AppPath(), "EXE", IDR_UPDATER_EXE);  // the updater as it ships
    const std::wstring updaterPath = m_folder.File(L"shipped-updater.exe");
    ASSERT_TRUE(updater && testsupport::FileContents::Write(updaterPath, updater->data(), updater->size()));
    const std::pair<std::wstring, bool> programs[] = {{AppPath(), true}, {updaterPath, false}};
    for (const auto& [path, dpiAware] : programs) {
        ACTCTXW request = {sizeof(ACTCTXW), ACTCTX_FLAG_RESOURCE_NAME_VALID,    path.c_str(), 0,      0,
                           nullptr,         CREATEPROCESS_MANIFEST_RESOURCE_ID, nullptr,      nullptr};
        HANDLE context = CreateActCtxW(&request);
        ASSERT_NE(context, INVALID_HANDLE_VALUE);
        ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level = {};
        EXPECT_TRUE(
            QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level, sizeof(level), nullptr));
        EXPECT_EQ(std::make_pair(level.RunLevel, level.UiAccess), std::make_pair(ACTCTX_RUN_LEVEL_AS_INVOKER, 0ul));
        EXPECT_EQ(ManifestSetting(context, L"2005", L"dpiAware"), dpiAware ? L"true" : L"(none)");
        EXPECT_EQ(ManifestSetting(context, L"2016", L"dpiAwareness"),
                  dpiAware ? L"PerMonitorV2, PerMonitor" : L"(none)");
        ReleaseActCtx(context);
    }
}

TEST_F(WindowsIntegrationTest, TheVersionResourceNamesTheProgramInChinese) {
    std::vector<BYTE> info(GetFileVersionInfoSizeW(AppPath().c_str(), nullptr));
    ASSERT_TRUE(!info.empty() && GetFileVersionInfoW(AppPath().c_str(), 0, info.size(), info.data()));
    const wchar_t *name = L"", *description = L"";
    UINT size = 0;
    VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\ProductName", (void**)&name, &size);
    VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\FileDescription", (void**)&description, &size);
    EXPECT_STREQ(name, L"Zorvane");
    EXPECT_EQ(std::wstring(description).rfind(L"Zorvane ", 0), 0u);
}

// Captions of buttons and labels that do not fit their control in the
// dialog font (9 points of 宋体) at the given DPI.
std::vector<std::wstring> ClippedCaptions(HWND box, int dpi) {
    HFONT font = CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, 0, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    std::vector<std::wstring> clipped;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const testsupport::WindowProbe probe(child);
        const std::wstring text = probe.Text();
        const bool button = probe.ClassName() == L"Button";
        const bool label =
            probe.ClassName() == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
        if (text.empty() || !(button || label)) continue;
        SIZE extent = {};
        RECT client = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        GetClientRect(child, &client);
        // A button's frame and focus mark take a few pixels of each side.
        if (extent.cx > client.right - (button ? 8 : 0) || extent.cy > client.bottom) clipped.push_back(text);
    }
    DeleteDC(dc);  // before the font it holds
    DeleteObject(font);
    return clipped;
}

TEST_F(WindowsIntegrationTest, AtOneHundredAndFiftyPercentNoCaptionIsClipped) {
    // Wine reads the user's DPI as each program starts; it goes back after.
    const wchar_t desktop[] = L"Control Panel\\Desktop";
    DWORD dpi = 144, old = 0, size = sizeof(old);
    const bool hadOld =
        RegGetValueW(HKEY_CURRENT_USER, desktop, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &old, &size) == 0;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi)), 0);
    testsupport::AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    hadOld ? RegSetKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels", REG_DWORD, &old, sizeof(old))
           : RegDeleteKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClippedCaptions(dialog, 144), std::vector<std::wstring>{});
    HWND about = nullptr;
    ASSERT_TRUE(PostMessageW(dialog, WM_COMMAND, ID_TRAY_ABOUT, 0));
    ASSERT_TRUE(testsupport::WaitUntil([&] { return (about = FindOwnedBox(dialog)) != nullptr; },
                                       testsupport::kActionTimeoutMs));
    EXPECT_EQ(ClippedCaptions(about, 144), std::vector<std::wstring>{});
    EXPECT_TRUE(PostMessageW(about, WM_COMMAND, IDOK, 0) &&
                testsupport::WaitUntil([&] { return !IsWindow(about); }, testsupport::kActionTimeoutMs));
    EXPECT_TRUE(app.End());
}

}  // namespace
