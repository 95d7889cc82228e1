#include "CFlatButton.h"

#include <cstring>

#include "ColorMath.h"

IMPLEMENT_DYNAMIC(CFlatButton, CButton)

BEGIN_MESSAGE_MAP(CFlatButton, CButton)
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

namespace {

// Icons are measured by their hot spot: a centred hot spot is half the size.
bool MeasureIcon(ButtonIcon& record) {
    ICONINFO info = {};
    if (!::GetIconInfo(record.icon.Get(), &info)) return false;
    record.width = info.xHotspot * 2;
    record.height = info.yHotspot * 2;
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    return true;
}

HICON LoadButtonIcon(UINT id) {
    return static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id & 0xFFFF), IMAGE_ICON,
                                           0, 0, LR_DEFAULTCOLOR));
}

}  // namespace

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
        if (destroy) record.icon.Destroy();
        else record.icon.Detach();
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
    HICON hover = LoadButtonIcon(iconHover);
    HICON normal = nullptr;
    if (iconNormal == kGrayNormalIcon) normal = reinterpret_cast<HICON>(static_cast<INT_PTR>(kGrayNormalIcon));
    else if (iconNormal != 0) normal = LoadButtonIcon(static_cast<UINT>(iconNormal));
    return SetButtonIconHandles(hover, normal);
}

int CFlatButton::SetButtonIconHandles(HICON hover, HICON normal) {
    ReleaseImages(true);
    const bool grayRequested = normal == reinterpret_cast<HICON>(static_cast<INT_PTR>(kGrayNormalIcon));
    if (hover != nullptr) {
        m_icons[0].icon = CIcon(hover);
        if (!MeasureIcon(m_icons[0])) {
            if (!grayRequested && normal != nullptr && normal != hover) ::DestroyIcon(normal);
            ReleaseImages(true);
            return FlatIconUnreadable;
        }
        if (grayRequested) normal = MakeGrayIcon(hover);
        if (normal != nullptr) {
            m_icons[1].icon = CIcon(normal);
            if (!MeasureIcon(m_icons[1])) {
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

HICON CFlatButton::MakeGrayIcon(HICON icon) {
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return nullptr;
    CBitmap color(info.hbmColor);
    CBitmap mask(info.hbmMask);
    CClientDC screen(nullptr);
    CDC source, target;
    if (screen.GetSafeHdc() == nullptr || !source.CreateCompatibleDC(screen) || !target.CreateCompatibleDC(screen))
        return nullptr;
    BITMAP bm = {};
    if (!color.GetBitmap(&bm)) return nullptr;

    const int w = static_cast<int>(info.xHotspot * 2);
    const int h = static_cast<int>(info.yHotspot * 2);
    CBitmap gray;
    if (!gray.CreateBitmap(w, h, bm.bmPlanes, bm.bmBitsPixel, nullptr)) return nullptr;
    {
        CSelectGuard fromColor(source, color);
        CSelectGuard intoGray(target, gray);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                COLORREF c = source.GetPixel(x, y);
                // Black stays black: the new bitmap starts black.
                if (c != 0) {
                    BYTE level = flatbutton::GrayLevel(c);
                    target.SetPixel(x, y, RGB(level, level, level));
                }
            }
        }
    }
    ICONINFO made = {};
    made.fIcon = TRUE;
    made.hbmMask = mask;
    made.hbmColor = gray;
    return ::CreateIconIndirect(&made);
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
    case PushOffsetDiagonal: m_pushOffsetX = 1; m_pushOffsetY = 1; break;
    case PushOffsetDown: m_pushOffsetX = 0; m_pushOffsetY = 2; break;
    default: return FlatBadPushMode;
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
    case BS_DEFPUSHBUTTON: m_isDefault = TRUE; break;
    case BS_PUSHBUTTON: m_isDefault = FALSE; break;
    default: break;
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

void CFlatButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    // Plain face and caption until the flat look is drawn.
    CDC dc;
    dc.Attach(dis->hDC);  // borrowed from the owner-draw message
    CRect rect(dis->rcItem);
    dc.FillSolidRect(rect, m_colors[ColorBackNormal]);
    wchar_t text[256] = {};
    ::GetWindowTextW(m_hWnd, text, 256);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_colors[ColorTextNormal]);
    dc.DrawText(text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.Detach();
}
