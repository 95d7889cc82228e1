#include "app/CAboutDlg.h"

#include <string>

#include "framework/CDataExchange.h"
#include "res/resource.h"

namespace {
const wchar_t kContactAddress[] = L"kelmora.team@example.org";
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ABOUT_TEXT, m_editText);
    DDX_Control(dx, IDOK, m_btnClose);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_btnClose.ShiftStateColor(ColorBackHover, 30, true);
    SetDlgItemText(IDC_ABOUT_EMAIL, kContactAddress);
    // Read as UTF-16 so the text shows whatever the ANSI code page is.
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(AfxGetResourceHandle(), IDS_ABOUT_TEXT, reinterpret_cast<LPWSTR>(&text), 0);
    if (length > 0) ::SetWindowTextW(m_editText, std::wstring(text, static_cast<size_t>(length)).c_str());
    return TRUE;
}

BOOL CAboutDlg::OnHelpInfo(HELPINFO*) {
    EndDialog(IDCANCEL);
    return TRUE;
}
