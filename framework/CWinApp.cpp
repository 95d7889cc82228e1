#include "framework/CWinApp.h"

#include "common/ModuleFileName.h"
#include "framework/CWnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleW(nullptr);
}
HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName) : m_requestedName(appName) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

void CWinApp::InitApplicationName() {
    if (m_requestedName != nullptr) {
        m_appName = m_requestedName;
        return;
    }
    // Without a whole path there is no name: a caption stays empty rather
    // than show a part of another.
    ModuleFileName path;
    if (!path.Read(m_hInstance)) {
        m_appName.Empty();
        return;
    }
    const CString name(path.Name());
    int dot = name.ReverseFind('.');
    m_appName = dot >= 0 ? name.Left(dot) : name;
}

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        CWnd* target = CWnd::FromHandlePermanent(msg.hwnd);
        if (target == nullptr || !target->PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

void CWinApp::OnHelp() {
    ModuleFileName path;
    if (!path.Read(m_hInstance)) return;
    CString help(path.Full());
    int dot = help.ReverseFind('.');
    if (dot >= 0) help = help.Left(dot);
    help += ".hlp";
    ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, help, HELP_FINDER, 0);
}

int CWinApp::AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->m_hInstance = instance;
    app->InitApplicationName();

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_HOTKEY_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);

    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}

int AfxMessageBox(const char* text, UINT type) {
    if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) type |= MB_ICONEXCLAMATION;
    CWinApp* app = AfxGetApp();
    CWnd* main = AfxGetMainWnd();
    HWND owner = main != nullptr && ::IsWindow(main->m_hWnd) ? main->m_hWnd : nullptr;
    return ::MessageBoxA(owner, text, app ? app->m_appName.GetString() : "", type);
}
