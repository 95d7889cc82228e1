// The modal loop: pre-translation from the target window up to the dialog,
// control binding, and the way out.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "tests/unit/framework/FrameworkTestIds.h"

namespace {

std::vector<std::string> g_seen;

class WatchingEdit : public CEdit {
public:
    bool m_consume = false;
    bool m_subclassedBeforePre = false;
    HWND m_handleInPre = nullptr;
    void PreSubclassWindow() override {
        m_handleInPre = m_hWnd;
        m_subclassedBeforePre =
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &CWnd::AfxWndProc;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == 'Q') {
            g_seen.push_back("edit");
            return m_consume ? TRUE : FALSE;
        }
        return FALSE;
    }
};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}
    WatchingEdit m_edit;
    CButton m_button;
    HWND m_ownerSeen = nullptr;
    BOOL m_ownerEnabledDuringLoop = TRUE;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_TEST_EDIT, m_edit);
        DDX_Control(dx, IDC_TEST_BUTTON, m_button);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_ownerSeen = ::GetWindow(m_hWnd, GW_OWNER);
        if (m_ownerSeen) m_ownerEnabledDuringLoop = ::IsWindowEnabled(m_ownerSeen);
        // Queued, so the modal loop sees them in order.
        ::PostMessageW(m_edit, WM_KEYDOWN, 'Q', 0);
        ::PostMessageW(m_hWnd, WM_APP, 0, 0);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == 'Q') g_seen.push_back("dialog");
        if (msg->message == WM_APP) {
            g_seen.push_back("end");
            EndDialog(42);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }
};

TEST(DialogLoop, OffersMessagesFromTheTargetUpToTheDialog) {
    g_seen.clear();
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(g_seen, (std::vector<std::string>{"edit", "dialog", "end"}));
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is gone after DoModal";
}

TEST(DialogLoop, AConsumingChildHidesTheMessageFromTheDialog) {
    g_seen.clear();
    TestDialog dialog;
    dialog.m_edit.m_consume = true;
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(g_seen, (std::vector<std::string>{"edit", "end"}));
}

TEST(DialogLoop, BindingCallsPreSubclassWindowWithTheHandleBeforeSubclassing) {
    TestDialog dialog;
    dialog.DoModal();
    EXPECT_NE(dialog.m_edit.m_handleInPre, nullptr);
    EXPECT_FALSE(dialog.m_edit.m_subclassedBeforePre);
}

TEST(DialogLoop, TheOwnerIsDisabledWhileTheDialogRunsAndEnabledAfter) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    CWnd ownerWnd;
    ownerWnd.Attach(owner);
    // A dialog with an explicit parent is owned by it.
    struct ParentedDialog : CDialog {
        explicit ParentedDialog(CWnd* parent) : CDialog(IDD_TEST_DIALOG, parent) {}
        HWND m_owner = nullptr;
        BOOL m_ownerEnabled = TRUE;
        BOOL OnInitDialog() override {
            m_owner = ::GetWindow(m_hWnd, GW_OWNER);
            m_ownerEnabled = ::IsWindowEnabled(m_owner);
            EndDialog(IDOK);
            return TRUE;
        }
    } parented(&ownerWnd);
    EXPECT_EQ(parented.DoModal(), IDOK);
    EXPECT_EQ(parented.m_owner, owner);
    EXPECT_FALSE(parented.m_ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ownerWnd.Detach();
    ::DestroyWindow(owner);
}

TEST(DialogLoop, EscapeReachesOnCancelThroughTheDialogManager) {
    struct EscapeDialog : CDialog {
        EscapeDialog() : CDialog(IDD_TEST_DIALOG) {}
        bool m_cancelled = false;
        BOOL OnInitDialog() override {
            CDialog::OnInitDialog();
            ::PostMessageW(::GetDlgItem(m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
            return TRUE;
        }
        void OnCancel() override {
            m_cancelled = true;
            CDialog::OnCancel();
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.m_cancelled);
}

TEST(DialogLoop, AMissingTemplateFailsWithMinusOne) {
    CDialog dialog(9999);
    EXPECT_EQ(dialog.DoModal(), -1);
}

// Ends a modal loop that did not end by itself, so that the failure shows as
// an expectation rather than a suite that hangs.
class LoopWatchdog {
public:
    explicit LoopWatchdog(CDialog& dialog) {
        s_dialog = &dialog;
        s_fired = false;
        m_timer = ::SetTimer(nullptr, 0, 5000, &Fire);
    }
    ~LoopWatchdog() {
        ::KillTimer(nullptr, m_timer);
        s_dialog = nullptr;
    }
    bool fired() const { return s_fired; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        s_fired = true;
        if (s_dialog != nullptr) s_dialog->EndDialog(-2);
    }
    static inline CDialog* s_dialog = nullptr;
    static inline bool s_fired = false;
    UINT_PTR m_timer = 0;
};

// Destroys its own window without EndDialog, on a message that it posts to
// itself or that another thread sends while the loop waits.
class VanishingDialog : public CDialog {
public:
    static constexpr UINT kVanish = WM_APP + 7;
    explicit VanishingDialog(bool fromOtherThread) : CDialog(IDD_TEST_DIALOG), m_fromOtherThread(fromOtherThread) {}
    ~VanishingDialog() override {
        if (m_sender.joinable()) m_sender.join();
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        HWND self = m_hWnd;
        if (m_fromOtherThread)
            m_sender = std::thread([self] { ::SendMessageW(self, kVanish, 0, 0); });
        else
            ::PostMessageW(self, kVanish, 0, 0);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kVanish) return CDialog::WindowProc(message, wParam, lParam);
        ::DestroyWindow(m_hWnd);
        return 0;
    }

private:
    bool m_fromOtherThread;
    std::thread m_sender;
};

TEST(DialogLoop, TheLoopEndsWhenTheWindowGoesWithoutEndDialog) {
    for (bool fromOtherThread : {false, true}) {
        VanishingDialog dialog(fromOtherThread);
        LoopWatchdog watchdog(dialog);
        EXPECT_EQ(dialog.DoModal(), -1) << "from another thread: " << fromOtherThread;
        EXPECT_FALSE(watchdog.fired()) << "from another thread: " << fromOtherThread;
    }
}

TEST(DialogLoop, AWindowThatCannotBeBoundRunsNoLoop) {
    // The object already has a window, so the dialog's cannot be bound to it.
    HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    CDialog dialog(IDD_TEST_DIALOG);
    ASSERT_TRUE(dialog.Attach(other));
    {
        LoopWatchdog watchdog(dialog);
        EXPECT_EQ(dialog.DoModal(), -1);
        EXPECT_FALSE(watchdog.fired());
    }
    EXPECT_EQ(dialog.Detach(), other);
    ::DestroyWindow(other);
}

}  // namespace
