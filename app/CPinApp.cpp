#include "CPinApp.h"

#include "CFileFind.h"
#include "CPinDlg.h"
#include "InstanceMarker.h"

BEGIN_MESSAGE_MAP(CPinApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CPinApp theApp;

BOOL CPinApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    HWND found = nullptr;
    ::EnumWindows(FindInstanceProc, reinterpret_cast<LPARAM>(&found));
    if (found != nullptr) {
        ::ShowWindow(found, SW_SHOWNORMAL);
        ::SetForegroundWindow(found);
        return FALSE;
    }

    CPinDlg dialog(nullptr);
    CFileFind finder;
    if (finder.FindFile(dialog.GetModulePath(ModulePathDirectory) + dialog.UpdaterName())) {
        // The updater restarted us after saving: remove it and end quietly.
        finder.Close();
        ::DeleteFileA(dialog.GetModulePath(ModulePathDirectory) + dialog.UpdaterName());
    } else {
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
