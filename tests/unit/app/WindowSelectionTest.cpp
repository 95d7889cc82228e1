// Which windows the tray menu lists as on top, and which a rule pins.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/WindowSelection.h"

namespace {

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW | WS_VISIBLE, kCaptionless = WS_POPUP | WS_VISIBLE;
constexpr DWORD kOnTop = WS_EX_TOPMOST, kPlain = 0;

TEST(WindowSelection, TheMenuListsTitledVisibleWindowsOnTopOfOtherProgramsAndARuleTakesTheirFramedOnes) {
    const struct {
        WindowTraits window;
        bool listed, ruled;
        const char* what;
    } cases[] = {
        {{false, true, true, kFramed, kOnTop, L"Viewer"}, true, true, "another program's, on top"},
        {{false, true, true, kFramed, kPlain, L"Viewer"}, false, true, "not on top"},
        {{false, false, true, kFramed, kOnTop, L"Viewer"}, false, true, "hidden: shown later"},
        {{false, true, false, kFramed, kOnTop, L"Viewer"}, false, true, "untitled"},
        {{true, true, true, kFramed, kOnTop, L"#32770"}, false, false, "this program's"},
        {{false, true, true, kFramed, kOnTop | WS_EX_TOOLWINDOW, L"Palette"}, false, false, "a tool window"},
        {{false, true, true, kFramed | WS_CHILD, kOnTop, L"Pane"}, false, false, "a child"},
        {{false, true, true, kCaptionless, kOnTop, L"Shell_TrayWnd"}, false, false, "the taskbar"},
        {{false, true, true, kFramed, kOnTop, L"progman"}, false, false, "the desktop, in any case"},
        {{false, true, true, kCaptionless, kOnTop, L"Splash"}, true, false, "no caption"},
        {{false, true, true, kCaptionless, kOnTop | WS_EX_APPWINDOW, L"Game"},
         true,
         true,
         "no caption, on the taskbar"},
        {{false, true, false, kCaptionless, kOnTop, L"#32768"}, false, false, "a menu"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListedAsOnTop(c.window), c.listed) << c.what;
        EXPECT_EQ(TakenByRule(c.window), c.ruled) << c.what;
    }
}

}  // namespace
