// The About box: the four ways it closes, and its two edits.
#include "tests/e2e/HotkeyEditor.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/InputDriver.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

#include <functional>
#include "res/resource.h"

using namespace testsupport;

namespace {

class AboutBoxTest : public ZorvaneTest {
protected:
    // Opens the box from the tray menu's item and waits until it is active;
    // null (with a failure) otherwise.
    static HWND OpenAbout(HWND dialog) {
        HWND about = nullptr;
        const bool open = PostMessageW(dialog, WM_COMMAND, ID_TRAY_ABOUT, 0) &&
                          WaitUntil([&] { return (about = FindOwnedBox(dialog)) != nullptr; }, kActionTimeoutMs) &&
                          InputDriver::WaitUntilActive(about, kActionTimeoutMs);
        EXPECT_TRUE(open) << "the About box did not open";
        return open ? about : nullptr;
    }
};

TEST_F(AboutBoxTest, ClosesEachOfItsFourWaysAndLeavesTheMainDialogUsable) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    const struct {
        const char* name;
        std::function<bool(HWND about)> close;
    } ways[] = {
        {"Close", [](HWND about) { return InputDriver::ClickItem(about, IDOK, kActionTimeoutMs); }},
        {"Enter", [](HWND) { return InputDriver::PressChord({VK_RETURN}); }},
        {"Escape", [](HWND) { return InputDriver::PressChord({VK_ESCAPE}); }},
        {"F1", [](HWND) { return InputDriver::PressChord({VK_F1}); }},
    };
    bool locked = true;
    for (const auto& way : ways) {
        HWND about = OpenAbout(dialog);
        ASSERT_NE(about, nullptr) << way.name;
        EXPECT_FALSE(IsWindowEnabled(dialog)) << "the box is modal";
        ASSERT_TRUE(way.close(about)) << way.name;
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kActionTimeoutMs)) << way.name;
        EXPECT_TRUE(IsWindowEnabled(dialog)) << way.name;
        // The Set/Lock button answers a click.
        EXPECT_TRUE(locked ? HotkeyEditor::Unlock(dialog) : HotkeyEditor::Lock(dialog)) << way.name;
        locked = !locked;
    }
    EXPECT_TRUE(app.Running());
}

TEST_F(AboutBoxTest, TheTextIsReadOnlyYetSelectableAndScrollableAndTheUnseenAddressTakesATabStop) {
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    HWND about = OpenAbout(dialog);
    ASSERT_NE(about, nullptr);
    const WindowProbe box(about);
    HWND address = GetDlgItem(about, IDC_ABOUT_EMAIL);
    const WindowProbe text = box.Item(IDC_ABOUT_TEXT);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(address, &rect));
    EXPECT_TRUE(IsRectEmpty(&rect)) << "the address is never seen";

    // Close, then the address, then the text.
    ASSERT_TRUE(WaitUntil([&] { return box.FocusInItsThread() == GetDlgItem(about, IDOK); }, kActionTimeoutMs));
    ASSERT_TRUE(InputDriver::PressChord({VK_TAB}));
    EXPECT_TRUE(WaitUntil([&] { return box.FocusInItsThread() == address; }, kActionTimeoutMs));
    ASSERT_TRUE(InputDriver::PressChord({VK_TAB}));
    ASSERT_TRUE(WaitUntil([&] { return box.FocusInItsThread() == text.Handle(); }, kActionTimeoutMs));

    // A key typed over the text, which the Tab selected whole, then a move
    // to its start: once the caret is there, the key went in before.
    const std::wstring shown = text.Text();
    DWORD from = 1, to = 1;
    const auto selected = [&](DWORD start, bool anyEnd) {
        text.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        return from == start && (anyEnd ? to > start : to == start);
    };
    ASSERT_TRUE(InputDriver::PressChord({'X'}));
    ASSERT_TRUE(InputDriver::PressChord({VK_CONTROL, VK_HOME}));
    ASSERT_TRUE(WaitUntil([&] { return selected(0, false); }, kActionTimeoutMs)) << from << " to " << to;
    EXPECT_EQ(text.Text(), shown);
    ASSERT_TRUE(InputDriver::PressChord({VK_SHIFT, VK_END}));
    EXPECT_TRUE(WaitUntil([&] { return selected(0, true); }, kActionTimeoutMs)) << "selected " << from << " to " << to;

    // The text fits its box at this font; a lower box makes it overflow, as
    // a larger font would. The scroll bar's lower arrow then scrolls it.
    ASSERT_TRUE(GetWindowRect(text.Handle(), &rect));
    ASSERT_TRUE(SetWindowPos(text.Handle(), nullptr, 0, 0, rect.right - rect.left, (rect.bottom - rect.top) / 3,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(GetWindowRect(text.Handle(), &rect));
    const POINT arrow = {rect.right - 1 - GetSystemMetrics(SM_CXVSCROLL) / 2,
                         rect.bottom - 1 - GetSystemMetrics(SM_CYVSCROLL) / 2};
    ASSERT_EQ(text.Send(WM_NCHITTEST, 0, MAKELPARAM(arrow.x, arrow.y)), std::optional<LRESULT>(HTVSCROLL));
    ASSERT_TRUE(InputDriver::ClickAt(arrow, kActionTimeoutMs));
    EXPECT_TRUE(WaitUntil([&] { return text.Send(EM_GETFIRSTVISIBLELINE, 0, 0) == std::optional<LRESULT>(1); },
                          kActionTimeoutMs));
}

}  // namespace
