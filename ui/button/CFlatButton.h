// A flat owner-drawn push button with an icon, six state colours and a hover
// highlight. Dialogs bind it to an ordinary push button of their template;
// subclassing turns the control owner-drawn.
#pragma once
#include "framework/CBitmap.h"
#include "framework/CButton.h"
#include "framework/CCursor.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CToolTipCtrl.h"
#include "ui/button/ButtonIcons.h"
#include "ui/menu/model/TesselMenu.h"

// Indices of the colour slots.
enum FlatColorSlot : BYTE {
    ColorBackHover = 0,
    ColorTextHover = 1,
    ColorBackNormal = 2,
    ColorTextNormal = 3,
    ColorBackFocus = 4,
    ColorTextFocus = 5,
};

// Result codes of the setters.
enum FlatResult : int {
    FlatOk = 0,
    FlatIconUnreadable = 1,
    FlatBadColorIndex = 3,
    FlatShiftOutOfRange = 5,
    FlatBadPushMode = 6,
    FlatMenuUnreadable = 7,
};

enum FlatImageAlign : BYTE { ImageLeft = 0, ImageAbove = 1, ImageRight = 2 };
enum FlatPushOffsetMode : BYTE { PushOffsetDiagonal = 0, PushOffsetDown = 1 };

// The icon argument of SetButtonIcon/SetButtonIconHandles that asks for a grey
// copy of the hover icon as the normal icon.
constexpr int kGrayNormalIcon = -2;

struct ButtonBitmap {
    CBitmap bitmap;  // owned
    DWORD width = 0;
    DWORD height = 0;
    CBitmap mask;  // owned
};

struct MenuNotify {
    HWND target = nullptr;  // borrowed: a window of the application
    UINT message = 0;
    LPARAM value = 0;
};

struct SoundSpec {
    char name[MAX_PATH] = {};
    const char* sound = nullptr;  // what PlaySoundA gets; null = no sound
    HMODULE module = nullptr;     // borrowed: a module of the process
    DWORD flags = 0;
};

class CFlatButton : public CButton {
    DECLARE_DYNAMIC(CFlatButton)
    DECLARE_MESSAGE_MAP()
public:
    CFlatButton();
    ~CFlatButton() override;

    // Icons by resource id of the application: iconNormal 0 = none,
    // kGrayNormalIcon = grey copy of the hover icon.
    int SetButtonIcon(UINT iconHover, int iconNormal);
    // The button takes ownership of both handles; normal may be
    // reinterpret_cast<HICON>(kGrayNormalIcon).
    int SetButtonIconHandles(HICON hover, HICON normal);
    void ReleaseImages(bool destroy);

    int SetStateColor(BYTE index, COLORREF color, bool repaint);
    int ShiftStateColor(BYTE index, short shift, bool repaint);
    int ResetStateColors(bool repaint);
    COLORREF GetStateColor(BYTE index) const { return index <= 5 ? m_colors[index] : CLR_INVALID; }
    int SetPushOffsetMode(BYTE mode, bool repaint);
    int SetCheckState(bool checked, bool repaint);
    BOOL GetCheckState() const { return m_checked; }
    int SetLinkTarget(const char* text);
    // Gives the button a drop-down menu from menu resource menuId (its first
    // popup opens under the button) whose chosen command is posted to target;
    // menuId 0 removes the menu. FlatMenuUnreadable, and no menu, when the
    // resource cannot be loaded.
    int SetDropMenu(UINT menuId, HWND target);

    // Read access for drawing and tests.
    const ButtonIcon& Icon(int index) const { return m_icons[index]; }
    BOOL IsDefault() const { return m_isDefault; }
    BOOL IsCheckBox() const { return m_isCheckBox; }
    DWORD ButtonType() const { return m_buttonType; }
    POINT PushOffset() const { return POINT{m_pushOffsetX, m_pushOffsetY}; }
    const char* LinkTarget() const { return m_linkTarget; }

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // Paints the whole button into dis->hDC from dis->itemState and the
    // members; the state it read stays in m_isPressed, m_hasFocus and
    // m_isDisabled until the next paint.
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

protected:
    // The parent's pixels under the button, from a snapshot taken at the
    // first call and kept until the system colours change; null without one.
    HDC ParentSnapshot();

    // Creates the tool tip on first use, inactive.
    void EnsureToolTip();
    // Drops the hover look, if the button has it.
    void CancelHover();

    BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message);
    void OnKillFocus(HWND newFocus);
    void OnMouseMove(UINT flags, CPoint point);
    void OnSysColorChange();
    BOOL OnClickedReflect();
    void OnActivate(UINT state, HWND other, bool minimized);
    void OnEnable(BOOL enable);
    void OnCancelMode();
    UINT OnGetDlgCode();
    HBRUSH CtlColor(HDC dc, UINT ctlColor);
    LRESULT OnMenuChar(UINT character, UINT flags, HMENU menu);
    void OnMeasureItem(int ctlId, LPMEASUREITEMSTRUCT mis);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);

    void Repaint(bool repaint);
    // 0 (hover icon or bitmap) or 1 (normal one) for the current state.
    int ImageIndex(bool hasNormalImage, BOOL pressed) const;
    // The drop-down click: the menu's first sub-menu opens under the button
    // and the chosen command goes to m_menuTarget.
    BOOL DropDown();

    BOOL m_grayDisabledBitmap = TRUE;
    int m_imageMarginX = 3;
    int m_imageMarginY = 3;
    int m_pushOffsetX = 1;
    int m_pushOffsetY = 1;
    BOOL m_isFlat = TRUE;
    BOOL m_pointerOver = FALSE;
    BOOL m_useParentBackground = FALSE;
    BOOL m_isPressed = FALSE;
    BOOL m_hasFocus = FALSE;
    BOOL m_isDisabled = FALSE;
    BOOL m_isDefault = FALSE;
    BOOL m_isCheckBox = FALSE;
    BYTE m_imageAlign = ImageLeft;
    BOOL m_drawBorder = TRUE;
    BOOL m_flatFocusRect = FALSE;
    COLORREF m_colors[6] = {};
    HWND m_menuTarget = nullptr;  // borrowed: receives the drop-down's command
    BOOL m_menuShown = FALSE;
    TesselMenu m_dropMenu;
    CCursor m_cursor;
    CToolTipCtrl m_toolTip;
    CDC m_bgDC;
    CBitmap m_bgBitmap;
    HGDIOBJ m_bgOldBitmap = nullptr;  // borrowed: was selected in m_bgDC before the snapshot
    BOOL m_hoverAlways = TRUE;
    BOOL m_checked = FALSE;
    DWORD m_buttonType = 0x1F;
    char m_linkTarget[MAX_PATH] = {};
    ButtonIcon m_icons[2];
    ButtonBitmap m_bitmaps[2];
    MenuNotify m_menuNotify;
    SoundSpec m_hoverSound;
    SoundSpec m_clickSound;
};
