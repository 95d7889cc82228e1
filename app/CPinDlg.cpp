#include "app/CPinDlg.h"

#include <cstddef>
#include <string>

#include "app/CAboutDlg.h"
#include "app/ForeignWindow.h"
#include "app/Pinning.h"
#include "app/TrayNotice.h"
#include "app/TrayPopup.h"
#include "common/InstanceMarker.h"
#include "common/ModuleFileName.h"
#include "common/ResourceView.h"
#include "common/SharedContract.h"
#include "common/ShellOpen.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/ResourceString.h"
#include "persist/ResourceFile.h"
#include "persist/SaveFlow.h"
#include "res/resource.h"

int g_hotkeyLocked = 1;

namespace {
const wchar_t kHotkeyActive[] = L"热键置顶";
const wchar_t kHotkeyInvalid[] = L"热键无效";
const wchar_t kSetText[] = L"设定";
const wchar_t kLockText[] = L"锁定";
const wchar_t kMakerTip[] = L"Press F1 for help";
// The first, 88-byte form of the tray record: understood by every shell.
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(sizeof(void*) != 4 || kTrayRecordSize == 88, "the tray record of a 32-bit build is 88 bytes");

void ReportSaveFailure(const char* message) { AfxMessageBox(message); }

// Reported by a see-through change (LayeredChange.h) once it was made.
constexpr UINT kSeeThroughDoneMessage = WM_APP + 1;
// Posted by a watch over a pin that has not landed (Pinning.h).
constexpr UINT kPinNotLandedMessage = WM_APP + 2;
// How long the way out waits, in all, for programs to take their look back.
constexpr DWORD kRestoreBoundMs = 500;
}  // namespace

// Broadcast by a shell that has (re)started: every tray icon is gone.
const UINT g_taskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated");

BEGIN_MESSAGE_MAP(CPinDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SIZE()
    ON_COMMAND(ID_TRAY_SHOW, OnTrayShow)
    ON_COMMAND(ID_TRAY_ABOUT, OnTrayAbout)
    ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_ENDSESSION()
    ON_BN_CLICKED(IDC_SET_LOCK, OnSetLock)
    ON_WM_HELPINFO()
    ON_MESSAGE(WM_HOTKEY, OnHotKey)
    ON_MESSAGE(contract::kTrayCallbackMessage, OnTrayNotify)
    ON_REGISTERED_MESSAGE(g_taskbarCreatedMessage, OnTaskbarCreated)
    ON_MESSAGE(kSeeThroughDoneMessage, OnSeeThroughDone)
    ON_MESSAGE(kPinNotLandedMessage, OnPinNotLanded)
END_MESSAGE_MAP()

CPinDlg::CPinDlg(CWnd* parent) : CDialog(IDD_ZORVANE_DIALOG, parent) {
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP));
    m_bShown = 0;
    m_hFinderCursor = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDCUR_FINDER));
    // A missing or short resource keeps the shipped F7 (see HotkeySetting.h).
    ReadDwordResource(contract::kSavedModifiersId, contract::kHotkeyResourceType, &m_hotkey.modifiers);
    ReadDwordResource(contract::kSavedVirtualKeyId, contract::kHotkeyResourceType, &m_hotkey.virtualKey);
    m_savedHotkey = m_hotkey;
    m_updaterName = contract::kUpdaterFileName;
    m_ruleKeeper.Load(AfxGetResourceHandle());
}

void CPinDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SET_LOCK, m_btnSetLock);
    DDX_Control(dx, IDC_HOTKEY, m_hotkeyCtrl);
    DDX_Control(dx, IDCANCEL, m_btnExit);
}

bool CPinDlg::GetModulePath(unsigned flags, CString& out) const {
    ModuleFileName path;
    if (!path.Read(AfxGetInstanceHandle())) return false;
    out = ModulePathPart(path.Full(), flags, IsAnsiLeadByte).c_str();
    return true;
}

bool CPinDlg::GetUpdaterPath(CString& out) const {
    CString folder;
    if (!GetModulePath(ModulePathDirectory, folder)) return false;
    out = folder + m_updaterName;
    return true;
}

bool CPinDlg::ReadDwordResource(UINT id, const char* type, std::uint32_t* out) {
    return ReadModuleDword(AfxGetResourceHandle(), id, type, out);
}

BOOL CPinDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetUpHotkey();
    AddTrayIcon();

    m_trayMenu.Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_TRAY_MENU)));
    m_pTrayPopup = CMenu::FromHandle(::GetSubMenu(m_trayMenu, 0));

    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);

    m_btnExit.SetButtonIcon(IDI_EXIT, 0);
    m_btnExit.ShiftStateColor(ColorBackHover, 30, true);
    m_btnExit.SetStateColor(ColorTextHover, RGB(231, 77, 33), true);

    EnableToolTips(TRUE);
    m_tooltip.Create(this, 0);
    m_tooltip.Activate(TRUE);
    m_tooltip.AddTool(GetDlgItem(IDC_MAKER), kMakerTip);
    // The icon lets the mouse through to the dialog, so the tool is its area
    // of the dialog.
    std::wstring finderTip;
    if (AfxLoadWideString(IDS_FINDER_TIP, finderTip)) {
        const CRect area = FinderArea();
        m_tooltip.AddTool(this, finderTip.c_str(), &area, IDC_FINDER);
    }

    m_seeThrough.ReportTo(m_hWnd, kSeeThroughDoneMessage);
    m_ruleKeeper.Start(TellRefusal, this);
    InstanceMarker::Mark(m_hWnd);
    return TRUE;
}

void CPinDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);  // borrowed: owned by the window
    if (systemMenu == nullptr) return;
    std::wstring caption;
    if (!AfxLoadWideString(IDS_ABOUTBOX, caption)) return;
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, caption.c_str());
}

void CPinDlg::SetUpHotkey() {
    m_hotkeyCtrl.SendMessage(HKM_SETHOTKEY, (m_hotkey.modifiers & 0xFF) * 256 + (m_hotkey.virtualKey & 0xFF));
    if (!RegisterPinHotkey(contract::kPinHotkeyId, m_hotkey.modifiers, m_hotkey.virtualKey)) ShowHotkeyStatus(false);
    m_hotkeyCtrl.EnableWindow(FALSE);
}

void CPinDlg::ShowHotkeyStatus(bool registered) {
    HWND group = ::GetDlgItem(m_hWnd, IDC_HOTKEY_GROUP);
    ::SetWindowTextW(group, registered ? kHotkeyActive : kHotkeyInvalid);
    ::EnableWindow(group, registered ? TRUE : FALSE);
}

void CPinDlg::AddTrayIcon() {
    static_assert(sizeof(TrayRecord) == kTrayRecordSize &&
                      offsetof(TrayRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip) &&
                      offsetof(TrayRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon),
                  "the tray record is the first form of the shell's");
    m_nid.cbSize = kTrayRecordSize;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = contract::kTrayIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = contract::kTrayCallbackMessage;
    // The shell draws it at the small-icon size of the system's DPI; made at
    // that size here, it is not a large icon shrunk. Shared, as LoadIcon's.
    m_nid.hIcon =
        static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    lstrcpynA(m_nid.szTip, "Quellbrand", sizeof(m_nid.szTip));
    ::Shell_NotifyIconA(NIM_ADD, m_nid.Shell());
}

LRESULT CPinDlg::OnTaskbarCreated(WPARAM, LPARAM) {
    // Only an icon that is meant to be there comes back: not before it was
    // first added, nor once the way out has removed it.
    if (m_nid.cbSize != 0 && !m_closing) ::Shell_NotifyIconA(NIM_ADD, m_nid.Shell());
    return 0;
}

void CPinDlg::RemoveTrayIcon() {
    NOTIFYICONDATAA record = {};
    record.cbSize = kTrayRecordSize;
    record.hWnd = m_hWnd;
    record.uID = contract::kTrayIconId;
    ::Shell_NotifyIconA(NIM_DELETE, &record);
}

void CPinDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        ShowAboutBox();
    else
        Default();
}

void CPinDlg::ShowAboutBox() {
    CAboutDlg about(nullptr);
    CDialog* outerBox = m_openBox;
    m_openBox = &about;
    about.DoModal();
    m_openBox = outerBox;
    // The exit was chosen while the box was open: it runs once every box
    // opened on top of the dialog has closed.
    if (!m_exitAfterBoxes) return;
    if (outerBox != nullptr) {
        outerBox->EndDialog(IDCANCEL);
    } else {
        m_exitAfterBoxes = false;
        OnCancel();
    }
}

void CPinDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cx = ::GetSystemMetrics(SM_CXICON);
    int cy = ::GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    ::DrawIcon(dc, (client.Width() - cx + 1) / 2, (client.Height() - cy + 1) / 2, m_hIcon);
}

HCURSOR CPinDlg::OnQueryDragIcon() { return m_hIcon; }

LRESULT CPinDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing only minimises, which hides the dialog to the tray.
    if (message == WM_CLOSE) {
        ShowWindow(SW_SHOWMINIMIZED);
        return 1;
    }
    // The icons of the windows the tray menu lists.
    if (message == WM_MEASUREITEM && m_onTopMenu.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
    if (message == WM_DRAWITEM && m_onTopMenu.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    return CDialog::WindowProc(message, wParam, lParam);
}

void CPinDlg::OnSize(UINT type, int, int) {
    Default();
    if (type == SIZE_MINIMIZED) HideToTray();
}

void CPinDlg::HideToTray() {
    ShowWindow(SW_HIDE);
    m_bShown = 0;
}

void CPinDlg::RestoreFromTray() {
    ShowWindow(SW_RESTORE);
    SetForegroundWindow();
    m_bShown = 1;
}

LRESULT CPinDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam != contract::kTrayIconId) return 0;
    if (lParam == WM_LBUTTONUP) {
        RestoreFromTray();
    } else if (lParam == WM_RBUTTONUP && m_pTrayPopup != nullptr) {
        POINT pointer = {};
        ::GetCursorPos(&pointer);
        m_pTrayPopup->SetDefaultItem(0, TRUE);
        ::SetForegroundWindow(m_nid.hWnd);
        m_pTrayPopup->EnableMenuItem(ID_TRAY_SHOW, MF_BYCOMMAND | (m_bShown ? MF_GRAYED : MF_ENABLED));
        m_onTopMenu.Insert(*m_pTrayPopup, m_ruleKeeper.Rules());
        TrackTrayPopup(*m_pTrayPopup, pointer, *this);
        m_onTopMenu.Remove(*m_pTrayPopup);
    }
    return 0;
}

bool CPinDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const OnTopMenu::Choice choice = m_onTopMenu.Resolve(LOWORD(wParam), m_ruleKeeper.Rules());
    if (lParam != 0 || choice.action == OnTopMenu::Action::None) return CDialog::OnCommand(wParam, lParam);
    RunOnTopChoice(choice);
    return true;
}

void CPinDlg::RunOnTopChoice(const OnTopMenu::Choice& choice) {
    switch (choice.action) {
    case OnTopMenu::Action::Release:
        if (choice.window == nullptr) break;
        if (const DWORD error = SetTopmost(choice.window, false)) TellRefusal(this, choice.window, false, error);
        break;
    case OnTopMenu::Action::ToggleRule:
        m_ruleKeeper.Toggle(choice.program);
        break;
    case OnTopMenu::Action::ReleaseAll:
        ReleaseAllPinnedHere(TellRefusal, this);
        break;
    case OnTopMenu::Action::RemoveRule:
        m_ruleKeeper.Remove(choice.program);
        break;
    case OnTopMenu::Action::None:
        break;
    }
}

void CPinDlg::OnTrayShow() { RestoreFromTray(); }
void CPinDlg::OnTrayAbout() { ShowAboutBox(); }
void CPinDlg::OnTrayExit() {
    // The tray menu works while a box of ours runs its own modal loop inside
    // one of our handlers; ending the dialog under it would leave the process
    // in that box. The box closes first, and its handler finishes the exit.
    if (m_openBox != nullptr) {
        m_exitAfterBoxes = true;
        m_openBox->EndDialog(IDCANCEL);
        return;
    }
    OnCancel();
}

BOOL CPinDlg::OnHelpInfo(HELPINFO*) {
    ShowAboutBox();
    return TRUE;
}

void CPinDlg::OnCancel() {
    // The save flow's message boxes dispatch messages; an exit command still
    // queued must not run the way out a second time.
    if (m_closing) return;
    m_closing = true;
    UnregisterPinHotkey(contract::kPinHotkeyId);
    RemoveTrayIcon();
    m_seeThrough.RestoreAll(kRestoreBoundMs);
    m_ruleKeeper.Stop();
    if (HotkeyChanged() || m_ruleKeeper.Changed()) RunSaveFlow();
    CDialog::OnCancel();
}

bool CPinDlg::HotkeyChanged() const { return m_hotkey != m_savedHotkey; }

// Pinning ------------------------------------------------------------------

void CPinDlg::PinOrRelease(HWND window) {
    if (window == nullptr) return;
    const TopmostToggle toggle = ToggleTopmost(window);
    const WindowChange change = toggle.pinning ? WindowChange::Pin : WindowChange::Release;
    if (toggle.error != 0)
        TellProblem(window, change, ProblemFromError(toggle.error), toggle.error);
    else if (foreign_window::OfOtherThread(window))
        WatchTopmostChange(window, toggle.pinning, m_hWnd, kPinNotLandedMessage);
}

void CPinDlg::TellRefusal(void* dialog, HWND window, bool pinning, DWORD error) {
    static_cast<CPinDlg*>(dialog)->TellProblem(window, pinning ? WindowChange::Pin : WindowChange::Release,
                                               ProblemFromError(error), error);
}

void CPinDlg::TellProblem(HWND window, WindowChange change, ChangeProblem problem, DWORD error) {
    // On the way out the icon is gone, and with it the place to tell.
    if (!m_closing) TrayNotice::Tell(m_hWnd, contract::kTrayIconId, window, change, problem, error);
}

BOOL CPinDlg::RegisterPinHotkey(int id, UINT modifiers, UINT virtualKey) {
    return ::RegisterPinHotkey(m_hWnd, id, modifiers, virtualKey);
}

BOOL CPinDlg::UnregisterPinHotkey(int id) { return ::UnregisterPinHotkey(m_hWnd, id); }

LRESULT CPinDlg::OnHotKey(WPARAM wParam, LPARAM) {
    if (wParam == contract::kPinHotkeyId) PinOrRelease(::GetForegroundWindow());
    return 0;
}

void CPinDlg::OnSetLock() {
    m_hotkeyCtrl.EnableWindow(g_hotkeyLocked == 1 ? TRUE : FALSE);
    if (g_hotkeyLocked == 1) {
        m_hotkeyCtrl.SetFocus();
        m_btnSetLock.SetWindowText(kLockText);
    } else {
        m_btnSetLock.SetWindowText(kSetText);
    }
    g_hotkeyLocked = !g_hotkeyLocked;
}

void CPinDlg::ApplyEditedHotkey() {
    UnregisterPinHotkey(contract::kPinHotkeyId);
    DWORD value = m_hotkeyCtrl.GetHotKey();
    UINT virtualKey = LOBYTE(LOWORD(value));
    UINT modifiers = HIBYTE(LOWORD(value));
    if (RegisterPinHotkey(contract::kPinHotkeyId, modifiers, virtualKey)) {
        m_hotkey = {modifiers, virtualKey};
        ShowHotkeyStatus(true);
    } else {
        // The old hotkey stays released: nothing toggles until a combination
        // registers.
        ShowHotkeyStatus(false);
    }
}

BOOL CPinDlg::PreTranslateMessage(MSG* msg) {
    if (m_tooltip.m_hWnd != nullptr) m_tooltip.RelayEvent(msg);

    if (msg->message == WM_KEYUP && msg->hwnd == m_hotkeyCtrl.m_hWnd) ApplyEditedHotkey();

    switch (ActionForDialogKey(msg->message, msg->wParam)) {
    case DialogKeyAction::Minimize:
        ShowWindow(SW_SHOWMINIMIZED);
        return TRUE;
    case DialogKeyAction::Discard:
        return TRUE;
    case DialogKeyAction::Dispatch:
        break;
    }
    return CDialog::PreTranslateMessage(msg);
}

// Window finder -------------------------------------------------------------

CRect CPinDlg::FinderArea() const {
    HWND finder = ::GetDlgItem(m_hWnd, IDC_FINDER);
    CRect area;
    ::GetClientRect(finder, &area);
    ::MapWindowPoints(finder, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void CPinDlg::OnLButtonDown(UINT, CPoint point) {
    if (FinderArea().PtInRect(point)) {
        ::SetCursor(m_hFinderCursor);
        ::SetCapture(m_hWnd);
    }
    Default();
}

void CPinDlg::OnLButtonUp(UINT, CPoint point) {
    ::ReleaseCapture();
    ClientToScreen(&point);
    PinOrRelease(::WindowFromPoint(point));
    Default();
}

void CPinDlg::OnRButtonDown(UINT, CPoint point) {
    if (FinderArea().PtInRect(point)) {
        ::SetCursor(m_hFinderCursor);
        ::SetCapture(m_hWnd);
        m_seeThroughDrag = true;
    }
    Default();
}

void CPinDlg::OnRButtonUp(UINT, CPoint point) {
    // A left release on the way has ended the drag with the capture.
    const bool dragged = m_seeThroughDrag && ::GetCapture() == m_hWnd;
    m_seeThroughDrag = false;
    if (dragged) {
        ::ReleaseCapture();
        ClientToScreen(&point);
        // A text area or pane stands for the window around it.
        if (HWND found = ::WindowFromPoint(point)) StepSeeThrough(::GetAncestor(found, GA_ROOT));
    }
    Default();
}

void CPinDlg::StepSeeThrough(HWND window) {
    switch (m_seeThrough.Step(window)) {
    case SeeThroughWindows::StepStart::Started:
        if (!foreign_window::AnswersPromptly(window))
            TellProblem(window, WindowChange::SeeThrough, ChangeProblem::NotAnswering, 0);
        break;
    case SeeThroughWindows::StepStart::StillWaiting:
        TellProblem(window, WindowChange::SeeThrough, ChangeProblem::NotAnswering, 0);
        break;
    case SeeThroughWindows::StepStart::NotStarted:
        TellProblem(window, WindowChange::SeeThrough, ChangeProblem::Failed, ::GetLastError());
        break;
    case SeeThroughWindows::StepStart::LeftAlone:
        break;
    }
}

LRESULT CPinDlg::OnPinNotLanded(WPARAM pinning, LPARAM window) {
    TellRefusal(this, reinterpret_cast<HWND>(window), pinning != 0, ERROR_TIMEOUT);
    return 0;
}

LRESULT CPinDlg::OnSeeThroughDone(WPARAM ticket, LPARAM error) {
    const DWORD code = static_cast<DWORD>(error);
    if (HWND failed = m_seeThrough.Finish(static_cast<UINT>(ticket), code))
        TellProblem(failed, WindowChange::SeeThrough, ProblemFromError(code), code);
    return 0;
}

void CPinDlg::OnEndSession(BOOL ending) {
    // Windows ends the process once this returns.
    if (ending) m_seeThrough.RestoreAll(kRestoreBoundMs);
}

// Saving -----------------------------------------------------------------------

bool CPinDlg::ExtractResourceToFile(UINT id, const char* type, const char* path, bool overwrite) {
    return ::ExtractResourceToFile(AfxGetResourceHandle(), id, type, path, overwrite);
}

bool CPinDlg::SaveHotkey() {
    CString updater;
    CString target;
    const bool located = GetUpdaterPath(updater) && GetModulePath(ModulePathFull, target);
    return SaveHotkeyRequest(AfxGetResourceHandle(), contract::kUpdaterResourceId,
                             located ? SaveFlowPaths{updater, target} : SaveFlowPaths{}, m_hotkey,
                             m_ruleKeeper.Changed() ? &m_ruleKeeper.Rules() : nullptr, ReportSaveFailure);
}

void CPinDlg::RunSaveFlow() {
    SaveHotkey();
    // The launch is attempted whatever the save gave: an updater file without
    // a complete request ends at once and changes nothing. Without a whole
    // path of our own there is nothing to launch; a cut one may name another
    // program.
    CString updater;
    if (GetUpdaterPath(updater)) ShellOpen(updater, SEE_MASK_NOCLOSEPROCESS, SW_SHOWNORMAL);
}
