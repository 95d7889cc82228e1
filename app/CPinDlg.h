// The main dialog: tray icon and menu, the global pinning hotkey and its
// editor, the window finder, and the way out through the save flow.
#pragma once
#include "app/ChangeNotice.h"
#include "app/ModulePath.h"
#include "app/OnTopMenu.h"
#include "app/PinRuleKeeper.h"
#include "app/Pinning.h"
#include "app/SeeThroughWindows.h"
#include "framework/CDialog.h"
#include "framework/CHotKeyCtrl.h"
#include "framework/CMenu.h"
#include "framework/CString.h"
#include "framework/CToolTipCtrl.h"
#include "persist/HotkeySetting.h"
#include "ui/button/CFlatButton.h"

// 1 while the hotkey control is locked (disabled); the next click on the
// Set/Lock button unlocks it.
extern int g_hotkeyLocked;

class CPinDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CPinDlg(CWnd* parent = nullptr);

    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;

    void HideToTray();
    void RestoreFromTray();
    // Toggles the window as the hotkey and the cross-hair do, and tells the
    // user when Windows refused or the program does not answer.
    void PinOrRelease(HWND window);
    BOOL RegisterPinHotkey(int id, UINT modifiers, UINT virtualKey);
    BOOL UnregisterPinHotkey(int id);
    bool HotkeyChanged() const;
    // Writes the updater next to the executable with the changed hotkey and
    // this executable's path in its resources; true when that was committed.
    // A path of our own that did not fit is reported as an updater that
    // cannot be written.
    bool SaveHotkey();
    // Writes resource (type, id) of the executable to path (see ResourceFile.h).
    static bool ExtractResourceToFile(UINT id, const char* type, const char* path, bool overwrite);

    // The part of the executable's path that flags select (see ModulePath.h);
    // false when the path did not fit (see ModuleFileName.h).
    bool GetModulePath(unsigned flags, CString& out) const;
    // Where the updater lies beside the executable; false as above.
    bool GetUpdaterPath(CString& out) const;
    // The first 4 bytes of resource (type, id) of the executable; false, and
    // out unchanged, when it is missing or shorter than 4 bytes.
    static bool ReadDwordResource(UINT id, const char* type, std::uint32_t* out);

    const HotkeySetting& Hotkey() const { return m_hotkey; }
    BOOL IsShown() const { return m_bShown; }

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSize(UINT type, int cx, int cy);
    void OnTrayShow();
    void OnTrayAbout();
    void OnTrayExit();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnEndSession(BOOL ending);
    void OnSetLock();
    BOOL OnHelpInfo(HELPINFO* info);
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    LRESULT OnSeeThroughDone(WPARAM ticket, LPARAM error);
    LRESULT OnPinNotLanded(WPARAM pinning, LPARAM window);

    // The cross-hair icon, in client coordinates: where a drag starts.
    CRect FinderArea() const;
    void AddAboutToSystemMenu();
    void SetUpHotkey();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void ShowHotkeyStatus(bool registered);
    void StepSeeThrough(HWND window);
    void TellProblem(HWND window, WindowChange change, ChangeProblem problem, DWORD error);
    static void TellRefusal(void* dialog, HWND window, bool pinning, DWORD error);
    // Carries out a choice of the tray menu's own part.
    void RunOnTopChoice(const OnTopMenu::Choice& choice);
    void ApplyEditedHotkey();
    void ShowAboutBox();
    // Saves a changed hotkey and starts the updater, which rewrites the
    // executable once this process has ended.
    void RunSaveFlow();

    CMenu m_trayMenu;
    CMenu* m_pTrayPopup = nullptr;  // borrowed: a level of m_trayMenu, valid while it lives
    // The first form of the tray record, the only one this program hands
    // the shell (its size says which): the fields of today's record up to
    // the tip, so that the dialog does not carry the rest.
    struct TrayRecord {
        DWORD cbSize;
        HWND hWnd;
        UINT uID;
        UINT uFlags;
        UINT uCallbackMessage;
        HICON hIcon;
        CHAR szTip[64];
        NOTIFYICONDATAA* Shell() { return reinterpret_cast<NOTIFYICONDATAA*>(this); }
    };
    TrayRecord m_nid = {};
    int m_bShown = 0;
    HCURSOR m_hFinderCursor = nullptr;  // borrowed: shared resource cursor
    HotkeySetting m_hotkey = kShippedHotkey;
    HotkeySetting m_savedHotkey = kShippedHotkey;
    CString m_updaterName;
    CToolTipCtrl m_tooltip;
    CHotKeyCtrl m_hotkeyCtrl;
    HICON m_hIcon = nullptr;  // borrowed: shared resource icon
    CFlatButton m_btnExit;
    CFlatButton m_btnSetLock;

    // The innermost box running modally on top of the dialog; not owned.
    CDialog* m_openBox = nullptr;
    bool m_exitAfterBoxes = false;
    bool m_closing = false;

    SeeThroughWindows m_seeThrough;
    OnTopMenu m_onTopMenu;
    PinRuleKeeper m_ruleKeeper;
    // Set by a right press on the cross-hair; its release alone acts on it.
    bool m_seeThroughDrag = false;
};
