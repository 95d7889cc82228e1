#include "framework/CDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return dx.m_failed ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(INT_PTR result) {
    m_modalResult = result;
    m_inModalLoop = false;
    // Wake the loop if it is waiting for a message.
    if (m_hWnd != nullptr) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;  // the dialog manager's defaults
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    // From here on every message passes the object's map first, then this
    // dialog class's own procedure.
    if (!dialog->SubclassWindow(hwnd)) return TRUE;
    return dialog->OnInitDialog();
}

HWND CDialog::FindOwner() const {
    if (m_pParentWnd != nullptr) return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    if (main == nullptr || main == this || main->m_hWnd == nullptr) return nullptr;
    HWND owner = main->m_hWnd;
    // Owners are top-level windows.
    while ((::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD) && ::GetParent(owner) != nullptr) owner = ::GetParent(owner);
    return owner;
}

INT_PTR CDialog::DoModal() {
    HWND owner = FindOwner();
    bool reenableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (reenableOwner) ::EnableWindow(owner, FALSE);

    m_modalResult = -1;
    m_inModalLoop = true;
    HWND hwnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    // A window without its object (never bound, or destroyed while it
    // initialised) has nothing to run a loop for.
    if (hwnd != nullptr && m_hWnd == hwnd) {
        if (m_inModalLoop && !::IsWindowVisible(hwnd)) {
            ::ShowWindow(hwnd, SW_SHOWNORMAL);
            ::UpdateWindow(hwnd);
        }
        RunModalLoop();
    }
    m_inModalLoop = false;

    // The owner is enabled before the dialog goes, so that activation returns
    // to it instead of to some other application.
    if (reenableOwner) ::EnableWindow(owner, TRUE);
    if (hwnd != nullptr) {
        if (owner != nullptr && ::GetActiveWindow() == hwnd) ::SetActiveWindow(owner);
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        ::DestroyWindow(hwnd);
    }
    return m_modalResult;
}

void CDialog::PostNcDestroy() {
    // Destroyed by a message sent while the loop waited for one: wake it.
    if (m_inModalLoop) ::PostMessageW(nullptr, WM_NULL, 0, 0);
}

void CDialog::RunModalLoop() {
    MSG msg;
    // The window is destroyed only on this thread, and then unbound: the loop
    // sees it after the message that did it.
    while (m_inModalLoop && m_hWnd != nullptr) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit for the enclosing loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        PumpMessage(&msg);
    }
}

void CDialog::PumpMessage(MSG* msg) {
    if (WalkPreTranslateTree(msg)) return;
    if (m_hWnd != nullptr && ::IsDialogMessageW(m_hWnd, msg)) return;
    ::TranslateMessage(msg);
    ::DispatchMessageW(msg);
}

bool CDialog::WalkPreTranslateTree(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd != nullptr;) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg)) return true;
        if (hwnd == m_hWnd) break;
        // Walk child-to-parent links only: an owned top-level window's owner
        // is not its parent.
        if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) break;
        hwnd = ::GetParent(hwnd);
    }
    return false;
}
