#include "app/CAboutDlg.h"

#include <string>

#include "framework/CDataExchange.h"
#include "framework/ResourceString.h"
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
    std::wstring text;
    if (AfxLoadWideString(IDS_ABOUT_TEXT, text)) ::SetWindowTextW(m_editText, text.c_str());
    return TRUE;
}

BOOL CAboutDlg::OnHelpInfo(HELPINFO*) {
    EndDialog(IDCANCEL);
    return TRUE;
}
