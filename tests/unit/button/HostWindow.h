// A window for button tests, bound to a framework object so that
// the button's notifications are reflected to it as in a dialog. It holds one
// push button control, optionally followed by a second tab stop, and records
// what reaches it.
#pragma once
#include <vector>

#include "framework/CWnd.h"

class HostWindow : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr int kButtonId = 100;
    static constexpr int kNextId = 101;
    static constexpr UINT kMenuNotify = WM_APP + 5;

    HostWindow() = default;
    ~HostWindow() override;

    // Creates the window at (0, 0) of the shared stage, with a push button
    // of buttonStyle (beyond WS_CHILD | WS_VISIBLE | WS_TABSTOP) at (10, 10)
    // of the given size, followed by a second tab stop if asked. False when
    // any window could not be made.
    bool Create(DWORD buttonStyle, const wchar_t* text, SIZE buttonSize = SIZE{80, 30}, bool withNextTabStop = true);
    // The top-level window every host sits in: shown once and kept for the
    // whole run, because without a window manager Wine waits two seconds
    // each time a shown top-level window goes away.
    static HWND Stage();
    HWND Button() const { return m_button; }
    HWND Next() const { return m_next; }

    // Brings the stage to the foreground and waits until it is active.
    bool Activate();

    int clicks = 0;
    int doubleClicks = 0;
    std::vector<UINT> menuCommands;
    int menuNotifies = 0;
    WPARAM menuNotifyWParam = 0;
    LPARAM menuNotifyLParam = 0;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnButtonClicked();
    void OnButtonDoubleClicked();
    LRESULT OnMenuNotify(WPARAM wParam, LPARAM lParam);

private:
    HWND m_button = nullptr;  // child of this window, destroyed with it
    HWND m_next = nullptr;    // child of this window, destroyed with it
};
