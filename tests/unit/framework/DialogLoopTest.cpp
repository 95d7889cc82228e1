// The modal loop: pre-translation from the target window up to the dialog,
// control binding, and the way out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CButton.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CEdit.h"
#include "framework_test_ids.h"

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

}  // namespace
