// The About box: who made the utility and how to reach them.
#pragma once
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "ui/button/CFlatButton.h"

class CAboutDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnHelpInfo(HELPINFO* info);

    CFlatButton m_btnClose;
    CEdit m_editText;
};
