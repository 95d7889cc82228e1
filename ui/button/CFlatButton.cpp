#include "ui/button/CFlatButton.h"

#include <cstring>
#include <string>

#include "common/ShellOpen.h"
#include "ui/button/ButtonIcons.h"
#include "ui/button/ButtonSound.h"
#include "ui/button/ColorMath.h"
#include "ui/button/FlatButtonPainter.h"

IMPLEMENT_DYNAMIC(CFlatButton, CButton)

BEGIN_MESSAGE_MAP(CFlatButton, CButton)
    ON_WM_SETCURSOR()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_SYSCOLORCHANGE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedReflect)
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_MENUCHAR()
    ON_WM_MEASUREITEM()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

CFlatButton::CFlatButton() {
    ResetStateColors(false);
    SetPushOffsetMode(PushOffsetDiagonal, false);
    SetLinkTarget(nullptr);
    ReleaseImages(false);
}

CFlatButton::~CFlatButton() {
    if (m_bgDC.GetSafeHdc() != nullptr && m_bgOldBitmap != nullptr) ::SelectObject(m_bgDC, m_bgOldBitmap);
    ReleaseImages(true);
    m_cursor.Destroy();
    if (m_dropMenu.GetSafeHmenu() != nullptr) m_dropMenu.DestroyMenu();
    // The snapshot bitmap, its DC and the tool tip go with their members.
}

void CFlatButton::Repaint(bool repaint) {
    if (repaint && m_hWnd != nullptr) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CFlatButton::ReleaseImages(bool destroy) {
    for (ButtonIcon& record : m_icons) {
        if (destroy)
            record.icon.Destroy();
        else
            record.icon.Detach();
        record.width = record.height = 0;
    }
    for (ButtonBitmap& record : m_bitmaps) {
        if (destroy) {
            record.bitmap.DeleteObject();
            record.mask.DeleteObject();
        } else {
            record.bitmap.Detach();
            record.mask.Detach();
        }
        record.width = record.height = 0;
    }
}

int CFlatButton::SetButtonIcon(UINT iconHover, int iconNormal) {
    HICON hover = flatbutton::LoadButtonIcon(iconHover);
    HICON normal = nullptr;
    if (iconNormal == kGrayNormalIcon)
        normal = reinterpret_cast<HICON>(static_cast<INT_PTR>(kGrayNormalIcon));
    else if (iconNormal != 0)
        normal = flatbutton::LoadButtonIcon(static_cast<UINT>(iconNormal));
    return SetButtonIconHandles(hover, normal);
}

int CFlatButton::SetButtonIconHandles(HICON hover, HICON normal) {
    ReleaseImages(true);
    const bool grayRequested = normal == reinterpret_cast<HICON>(static_cast<INT_PTR>(kGrayNormalIcon));
    if (hover != nullptr) {
        m_icons[0].icon = CIcon(hover);
        if (!flatbutton::MeasureIcon(m_icons[0])) {
            if (!grayRequested && normal != nullptr && normal != hover) ::DestroyIcon(normal);
            ReleaseImages(true);
            return FlatIconUnreadable;
        }
        if (grayRequested) normal = flatbutton::MakeGrayIcon(hover);
        if (normal != nullptr) {
            m_icons[1].icon = CIcon(normal);
            if (!flatbutton::MeasureIcon(m_icons[1])) {
                ReleaseImages(true);
                return FlatIconUnreadable;
            }
        }
    } else if (!grayRequested && normal != nullptr) {
        // Without a hover icon the button has no icon; the handle it was given
        // is still its to release.
        ::DestroyIcon(normal);
    }
    Repaint(true);
    return FlatOk;
}

int CFlatButton::SetStateColor(BYTE index, COLORREF color, bool repaint) {
    if (index > 5) return FlatBadColorIndex;
    m_colors[index] = color;
    Repaint(repaint);
    return FlatOk;
}

int CFlatButton::ShiftStateColor(BYTE index, short shift, bool repaint) {
    if (index > 5) return FlatBadColorIndex;
    if (shift < -255 || shift > 255) return FlatShiftOutOfRange;
    m_colors[index] = flatbutton::ShiftColor(m_colors[index], shift);
    Repaint(repaint);
    return FlatOk;
}

int CFlatButton::ResetStateColors(bool repaint) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    m_colors[ColorBackHover] = m_colors[ColorBackNormal] = m_colors[ColorBackFocus] = face;
    m_colors[ColorTextHover] = m_colors[ColorTextNormal] = m_colors[ColorTextFocus] = text;
    Repaint(repaint);
    return FlatOk;
}

int CFlatButton::SetPushOffsetMode(BYTE mode, bool repaint) {
    switch (mode) {
    case PushOffsetDiagonal:
        m_pushOffsetX = 1;
        m_pushOffsetY = 1;
        break;
    case PushOffsetDown:
        m_pushOffsetX = 0;
        m_pushOffsetY = 2;
        break;
    default:
        return FlatBadPushMode;
    }
    Repaint(repaint);
    return FlatOk;
}

int CFlatButton::SetCheckState(bool checked, bool repaint) {
    if (m_isCheckBox) {
        m_checked = checked ? TRUE : FALSE;
        Repaint(repaint);
    }
    return FlatOk;
}

int CFlatButton::SetLinkTarget(const char* text) {
    std::memset(m_linkTarget, 0, sizeof(m_linkTarget));
    if (text != nullptr) {
        // Copy whole characters only, so a double-byte character is never cut
        // in half at the end of the buffer.
        size_t limit = sizeof(m_linkTarget) - 1;
        size_t n = 0;
        while (text[n] != '\0') {
            size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(text[n])) && text[n + 1] != '\0' ? 2 : 1;
            if (n + step > limit) break;
            n += step;
        }
        std::memcpy(m_linkTarget, text, n);
    }
    return FlatOk;
}

int CFlatButton::SetDropMenu(UINT menuId, HWND target) {
    if (m_dropMenu.GetSafeHmenu() != nullptr) m_dropMenu.DestroyMenu();
    m_menuTarget = nullptr;
    if (menuId == 0) return FlatOk;
    if (!m_dropMenu.LoadMenu(menuId)) return FlatMenuUnreadable;
    m_menuTarget = target;
    return FlatOk;
}

void CFlatButton::PreSubclassWindow() {
    DWORD style = GetStyle();
    m_buttonType = style & 0x1F;
    if (style & 0x0002) m_isCheckBox = TRUE;
    if (m_buttonType == BS_DEFPUSHBUTTON) {
        m_isDefault = TRUE;
        m_buttonType = 0;
    }
    ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT CFlatButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0x1F) {
    case BS_DEFPUSHBUTTON:
        m_isDefault = TRUE;
        break;
    case BS_PUSHBUTTON:
        m_isDefault = FALSE;
        break;
    default:
        break;
    }
    // The control must stay owner-drawn whatever the dialog manager asks.
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(0x14)) | BS_OWNERDRAW, lParam);
}

LRESULT CFlatButton::OnSetCheck(WPARAM wParam, LPARAM) {
    SetCheckState(wParam == BST_CHECKED || wParam == BST_INDETERMINATE, true);
    return 0;
}

LRESULT CFlatButton::OnGetCheck(WPARAM, LPARAM) { return m_checked; }

void CFlatButton::OnSysColorChange() {
    Default();
    m_bgDC.DeleteDC();
    m_bgOldBitmap = nullptr;
    m_bgBitmap.DeleteObject();
    ResetStateColors(true);
}

// ---- Drawing ---------------------------------------------------------------

namespace {

std::wstring WindowText(HWND hwnd) {
    if (hwnd == nullptr) return std::wstring();
    int length = ::GetWindowTextLengthW(hwnd);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(hwnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace

void CFlatButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (dis == nullptr || dis->hDC == nullptr) return;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    if (m_isCheckBox) {
        m_isPressed = selected || m_checked ? TRUE : FALSE;
    } else {
        m_isPressed = selected ? TRUE : FALSE;
        // An open drop-down menu holds the button down.
        if (m_dropMenu.GetSafeHmenu() != nullptr && m_menuShown) m_isPressed = TRUE;
    }
    m_hasFocus = (dis->itemState & ODS_FOCUS) != 0 ? TRUE : FALSE;
    m_isDisabled = (dis->itemState & ODS_DISABLED) != 0 ? TRUE : FALSE;

    const std::wstring text = WindowText(m_hWnd);
    flatbutton::ButtonPaint paint;
    paint.pressed = m_isPressed != FALSE;
    paint.focused = m_hasFocus != FALSE;
    paint.disabled = m_isDisabled != FALSE;
    paint.flat = m_isFlat != FALSE;
    paint.hovered = m_pointerOver != FALSE;
    paint.isDefault = m_isDefault != FALSE;
    paint.drawBorder = m_drawBorder != FALSE;
    paint.flatFocusRect = m_flatFocusRect != FALSE;
    paint.grayDisabledBitmap = m_grayDisabledBitmap != FALSE;
    // Pressed looks hovered; the focus colours only tint the background.
    const bool hoverLook = paint.hovered || paint.pressed;
    paint.fill = m_colors[hoverLook ? ColorBackHover : m_hasFocus ? ColorBackFocus : ColorBackNormal];
    paint.ink = m_colors[hoverLook ? ColorTextHover : ColorTextNormal];
    paint.inkGround = m_colors[hoverLook ? ColorBackHover : ColorBackNormal];
    paint.layout.align = m_imageAlign;
    paint.layout.marginX = m_imageMarginX;
    paint.layout.marginY = m_imageMarginY;
    paint.layout.pushOffset = PushOffset();
    paint.layout.checkStyle = m_isCheckBox != FALSE;
    if (m_hWnd != nullptr) ::GetClientRect(m_hWnd, &paint.client);
    if (m_icons[0].icon) {
        const ButtonIcon& icon = m_icons[ImageIndex(static_cast<bool>(m_icons[1].icon), m_isPressed)];
        paint.icon.icon = icon.icon.Get();
        paint.icon.width = icon.width;
        paint.icon.height = icon.height;
    }
    if (!m_bitmaps[0].bitmap.IsNull()) {
        const ButtonBitmap& bitmap = m_bitmaps[ImageIndex(!m_bitmaps[1].bitmap.IsNull(), m_isPressed)];
        paint.bitmap.bitmap = bitmap.bitmap;
        paint.bitmap.mask = bitmap.mask;
        paint.bitmap.width = bitmap.width;
        paint.bitmap.height = bitmap.height;
    }
    paint.text = text.c_str();
    paint.parentBackground = m_useParentBackground != FALSE;
    if (paint.parentBackground) paint.snapshot = ParentSnapshot();
    flatbutton::PaintButton(dis->hDC, dis->rcItem, paint);
}

int CFlatButton::ImageIndex(bool hasNormalImage, BOOL pressed) const {
    const bool hoverLook = m_isCheckBox ? pressed != FALSE : (pressed || m_pointerOver);
    if (hoverLook) return 0;
    return hasNormalImage ? 1 : 0;
}

HDC CFlatButton::ParentSnapshot() {
    HWND parent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (parent == nullptr) return nullptr;
    CClientDC parentDC(parent);
    if (parentDC.GetSafeHdc() == nullptr) return nullptr;
    if (m_bgDC.GetSafeHdc() == nullptr) {
        CRect client;
        GetClientRect(&client);
        CRect window;
        GetWindowRect(&window);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
        const int w = client.Width(), h = client.Height();
        if (!m_bgDC.CreateCompatibleDC(parentDC)) return nullptr;
        m_bgBitmap.DeleteObject();
        if (!m_bgBitmap.CreateCompatibleBitmap(parentDC, w, h)) {
            m_bgDC.DeleteDC();
            return nullptr;
        }
        m_bgOldBitmap = ::SelectObject(m_bgDC, m_bgBitmap);
        m_bgDC.BitBlt(0, 0, w, h, parentDC, window.left, window.top, SRCCOPY);
    }
    return m_bgDC;
}

// ---- Behaviour -------------------------------------------------------------

void CFlatButton::CancelHover() {
    if (m_isFlat && m_pointerOver) {
        m_pointerOver = FALSE;
        Invalidate(TRUE);
    }
}

void CFlatButton::EnsureToolTip() {
    if (m_toolTip.m_hWnd != nullptr) return;
    if (!m_toolTip.Create(this, 0)) return;
    m_toolTip.Activate(FALSE);
    m_toolTip.SetMaxTipWidth(400);
}

BOOL CFlatButton::PreTranslateMessage(MSG* msg) {
    EnsureToolTip();
    if (m_toolTip.m_hWnd != nullptr) m_toolTip.RelayEvent(msg);
    // An owner-drawn button reports a double click instead of pressing;
    // as a press, a fast double click makes two clicks.
    if (msg->message == WM_LBUTTONDBLCLK) msg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(msg);
}

BOOL CFlatButton::OnSetCursor(HWND, UINT, UINT) {
    if (m_cursor) {
        ::SetCursor(m_cursor.Get());
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CFlatButton::OnKillFocus(HWND) {
    Default();
    CancelHover();
}

void CFlatButton::OnMouseMove(UINT flags, CPoint point) {
    Default();
    CPoint screen = point;
    ClientToScreen(&screen);
    HWND under = ::WindowFromPoint(screen);

    // Dragging onto the button does not light it.
    if ((flags & MK_LBUTTON) && !m_pointerOver) return;
    if (!m_isFlat) return;

    const bool activeEnough = m_hoverAlways || ::GetActiveWindow() != nullptr;
    if (under == m_hWnd && activeEnough) {
        if (m_pointerOver) return;
        m_pointerOver = TRUE;
        Invalidate(TRUE);
        if (m_hoverSound.sound != nullptr) PlayButtonSound(m_hoverSound.sound, m_hoverSound.module, m_hoverSound.flags);
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        ::_TrackMouseEvent(&track);
        return;
    }
    CancelHover();
}

BOOL CFlatButton::OnClickedReflect() {
    ::SetFocus(m_hWnd);
    if (m_clickSound.sound != nullptr) PlayButtonSound(m_clickSound.sound, m_clickSound.module, m_clickSound.flags);

    if (m_isCheckBox) {
        m_checked = m_checked ? FALSE : TRUE;
        Invalidate(TRUE);
        return FALSE;
    }
    if (m_dropMenu.GetSafeHmenu() != nullptr) return DropDown();
    // A target that cannot be opened fails silently.
    if (m_linkTarget[0] != '\0') ShellOpen(m_linkTarget, SEE_MASK_FLAG_NO_UI, SW_SHOWMAXIMIZED);
    // The parent handles the click as well.
    return FALSE;
}

BOOL CFlatButton::DropDown() {
    CRect window;
    GetWindowRect(&window);
    m_menuShown = TRUE;
    Invalidate(TRUE);

    UINT command = 0;
    if (CMenu* popup = m_dropMenu.SubMenuAt(0)) {
        if (m_menuNotify.target != nullptr)
            ::SendMessageW(m_menuNotify.target, m_menuNotify.message, reinterpret_cast<WPARAM>(popup),
                           m_menuNotify.value);
        // TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD: the result is the
        // chosen command, 0 when the menu was dismissed or failed.
        command = static_cast<UINT>(
            popup->TrackPopupMenu(TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, window.left, window.bottom, this));
    }

    m_menuShown = FALSE;
    Invalidate(TRUE);
    if (command != 0) ::PostMessageW(m_menuTarget, WM_COMMAND, command & 0xFFFF, 0);
    return FALSE;
}

void CFlatButton::OnActivate(UINT state, HWND, bool) {
    Default();
    if (state == WA_INACTIVE) CancelHover();
}

void CFlatButton::OnEnable(BOOL enable) {
    Default();
    if (!enable) {
        // A disabled button cannot keep the focus: it goes on to the next
        // tab stop, or to the dialog. The window manager has already taken
        // it from the button (the focus is then nowhere in the active
        // window); focus held by another control stays where it is.
        HWND parent = ::GetParent(m_hWnd);
        HWND focus = ::GetFocus();
        const bool focusWasHere =
            focus == m_hWnd || (focus == nullptr && ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT));
        if (parent != nullptr && focusWasHere) {
            HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
            ::SetFocus(next != nullptr && next != m_hWnd ? next : parent);
        }
    }
    CancelHover();
}

void CFlatButton::OnCancelMode() {
    Default();
    CancelHover();
}

UINT CFlatButton::OnGetDlgCode() {
    UINT code = static_cast<UINT>(Default());
    return code | (m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

HBRUSH CFlatButton::CtlColor(HDC, UINT) {
    // The button paints every pixel itself.
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT CFlatButton::OnMenuChar(UINT character, UINT flags, HMENU menu) {
    // Owner-drawn items have no text the system could search for mnemonics.
    CMenu* level = CMenu::FromHandle(menu);
    if (!TesselMenu::IsRegisteredSubMenu(level)) return Default();
    CMenu* object = CMenu::FromHandlePermanent(menu);
    TesselMenu* tessel =
        object != nullptr && object->IsKindOf(RUNTIME_CLASS(TesselMenu)) ? static_cast<TesselMenu*>(object) : nullptr;
    return TesselMenu::HandleMenuChar(character, flags, tessel);
}

void CFlatButton::OnMeasureItem(int, LPMEASUREITEMSTRUCT mis) {
    HMENU item = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(mis->itemID));
    if (mis->CtlType == ODT_MENU && ::IsMenu(item) && TesselMenu::IsRegisteredSubMenuHandle(item)) {
        m_dropMenu.MeasureItem(mis);
        return;
    }
    if (!OnMeasureItemDefault(mis)) Default();
}

LRESULT CFlatButton::OnMouseLeave(WPARAM, LPARAM) {
    CancelHover();
    return 0;
}
