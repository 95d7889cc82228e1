// The application object. The framework's entry point calls InitInstance;
// when it returns FALSE the process ends without entering the framework's
// own message loop.
#pragma once
#include "framework/Afx.h"
#include "framework/CCmdTarget.h"
#include "framework/CString.h"

class CWinApp : public CCmdTarget {
    DECLARE_MESSAGE_MAP()
public:
    // Null name: the name is taken from the executable's file name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;  // not owned
    CString m_appName;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    // Opens the application's help file for the main window, if any.
    void OnHelp();

    // Entry point of the framework: called by the process entry.
    static int AfxWinMain(HINSTANCE instance);

private:
    void InitApplicationName();
    const char* m_requestedName;
};

// Controls are three-dimensional and contained natively on every 32-bit
// Windows, so these have nothing left to switch on; kept so start-up reads as
// designed.
inline void AfxEnableControlContainer() {}
inline void Enable3dControlsStatic() {}

// The standard message box: the application's title as caption; an OK box
// without an icon of its own gets the exclamation mark.
int AfxMessageBox(const char* text, UINT type = MB_OK);
