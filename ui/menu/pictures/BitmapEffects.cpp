#include "ui/menu/pictures/BitmapEffects.h"

#include "framework/CBrush.h"
#include "framework/CPen.h"
#include "ui/menu/draw/ItemLayout.h"
#include "ui/menu/pictures/PictureEffects.h"

namespace tessel {

namespace {

constexpr DWORD kBrushWhereSourceClear = 0xB8074A;
constexpr DWORD kBrushWhereSourceSet = 0xE20746;

void FillWith(HDC dc, const RECT& rect, COLORREF color) {
    CBrush brush(color);
    ::FillRect(dc, &rect, brush);
}

// Both copies run the same rule over the picture's pixels as read through a
// memory DC; only the pixels the rule changes are written back.
template <class Rule>
void RewritePixels(CBitmap* picture, Rule rule) {
    BITMAP info = {};
    if (picture == nullptr || !picture->GetBitmap(&info)) return;
    const int w = info.bmWidth;
    const int h = info.bmHeight;
    CDC source;
    if (!source.CreateCompatibleDC(nullptr)) return;
    CSelectGuard pictureIn(source, *picture);
    if (!pictureIn.Selected()) return;

    // The key: button face as a bitmap of the picture's format stores it.
    COLORREF probeAtOneOne = CLR_INVALID;
    {
        CDC probeDc;
        CBitmap probe;
        if (probeDc.CreateCompatibleDC(nullptr) && probe.CreateCompatibleBitmap(source, w, h)) {
            CSelectGuard probeIn(probeDc, probe);
            FillWith(probeDc, RECT{0, 0, w, h}, ::GetSysColor(COLOR_BTNFACE));
            probeAtOneOne = ::GetPixel(probeDc, 1, 1);
        }
    }
    const std::optional<Color> key = EffectKeyColor(w, h, probeAtOneOne);

    PixelGrid grid(w, h, 0);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) grid.Set(x, y, ::GetPixel(source, x, y));
    const PixelGrid before = grid;
    rule(grid, key);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (grid.At(x, y) != before.At(x, y)) ::SetPixel(source, x, y, grid.At(x, y));
}

}  // namespace

void DrawEmbossedImage(HDC dc, int x, int y, int width, int height, HBITMAP picture, int srcX, int srcY,
                       COLORREF background) {
    if (dc == nullptr || picture == nullptr || width <= 0 || height <= 0) return;
    CDC a;
    if (!a.CreateCompatibleDC(dc)) return;
    CDC b;
    if (!b.CreateCompatibleDC(a)) return;

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colors[1] = RGBQUAD{255, 255, 255, 0};
    void* bits = nullptr;
    CBitmap mask(::CreateDIBSection(b, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (mask.IsNull()) return;

    CSelectGuard maskIn(b, mask);
    CSelectGuard pictureIn(a, picture);
    ::BitBlt(b, 0, 0, width, height, a, srcX, srcY, SRCCOPY);

    FillWith(dc, RECT{x, y, x + width, y + height}, background);
    // A one-bit source takes the target's text and background colours where
    // the platform uses them: keep them black and white so that the mask's
    // black pixels, and only those, take the brush.
    const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
    {
        CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
        CSelectGuard brushIn(dc, highlight);
        ::BitBlt(dc, x + 1, y + 1, width, height, b, 0, 0, kBrushWhereSourceClear);
    }
    {
        CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
        CSelectGuard brushIn(dc, shadow);
        ::BitBlt(dc, x, y, width, height, b, 0, 0, kBrushWhereSourceClear);
    }
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBack);
}

void DrawGrayedImage(CDC* dc, int x, int y, int width, int height, CBitmap* picture, int srcX, int srcY,
                     COLORREF background) {
    if (dc == nullptr || dc->m_hDC == nullptr || picture == nullptr || picture->IsNull() || width <= 0 || height <= 0) {
        return;
    }
    CDC m;
    CBitmap mono;
    if (!m.CreateCompatibleDC(nullptr) || !mono.CreateCompatibleBitmap(m, width, height)) return;
    CSelectGuard monoIn(m, mono);
    ::PatBlt(m, 0, 0, width, height, WHITENESS);

    CDC s;
    if (!s.CreateCompatibleDC(nullptr)) return;
    CSelectGuard pictureIn(s, *picture);
    if (!pictureIn.Selected()) return;

    // White in the mask where the picture is exactly face or highlight.
    s.SetBkColor(::GetSysColor(COLOR_BTNFACE));
    ::BitBlt(m, 0, 0, width, height, s, srcX, srcY, SRCCOPY);
    s.SetBkColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::BitBlt(m, 0, 0, width, height, s, srcX, srcY, SRCPAINT);

    FillWith(s, RECT{0, 0, width, height}, background);
    s.SetBkColor(RGB(0, 0, 0));
    s.SetTextColor(RGB(255, 255, 255));

    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    {
        CSelectGuard brushIn(s, highlight);
        ::BitBlt(s, 0, 0, width, height, m, 0, 0, kBrushWhereSourceSet);
        dc->BitBlt(x + 1, y + 1, width, height, s, 0, 0, SRCCOPY);
        ::BitBlt(s, 1, 1, width, height, m, 0, 0, kBrushWhereSourceSet);
    }
    {
        CSelectGuard brushIn(s, shadow);
        ::BitBlt(s, 0, 0, width, height, m, 0, 0, kBrushWhereSourceSet);
    }
    dc->BitBlt(x, y, width, height, s, 0, 0, SRCCOPY);
}

void MakeFadedImage(CBitmap* picture) {
    RewritePixels(picture, [](PixelGrid& grid, std::optional<Color> key) { MakeFadedPixels(grid, key); });
}

void MakeShadowImage(CBitmap* picture) { MakeShadowImage(picture, IsXPLook() != FALSE); }

void MakeShadowImage(CBitmap* picture, bool xpLook) {
    const Color shadow = ShadowPictureColor(::GetSysColor(COLOR_BTNSHADOW), xpLook);
    RewritePixels(picture,
                  [shadow](PixelGrid& grid, std::optional<Color> key) { MakeShadowPixels(grid, key, shadow); });
}

BOOL DrawCheckBoxClassic(CDC* dc, const RECT* box, BOOL selected, BOOL radio) {
    return DrawCheckBoxClassic(dc, box, selected, radio, CurrentSystemLook());
}

BOOL DrawCheckBoxClassic(CDC* dc, const RECT* box, BOOL selected, BOOL radio, const SystemLook& look) {
    if (dc == nullptr || box == nullptr) return FALSE;
    const MenuSysColors sys = ReadMenuSysColors();
    FillWith(*dc, *box, ClassicCheckBoxFill(sys, look.xpLook, selected != FALSE));
    if (look.newShell) dc->DrawEdge(*box, BDR_SUNKENOUTER, BF_RECT);
    const ItemRect r{box->left, box->top, box->right, box->bottom};
    const PixelPoint at = CheckMarkOrigin(r, radio != FALSE, false);
    if (radio) {
        DrawRadioDot(dc, at.x, at.y, sys.menuText);
    } else {
        DrawCheckMark(dc, at.x, at.y, sys.menuText);
    }
    return TRUE;
}

BOOL DrawCheckBoxXP(CDC* dc, const RECT* box, BOOL radio, const COLORREF* frameColor) {
    if (dc == nullptr || box == nullptr) return FALSE;
    const COLORREF frame = frameColor != nullptr ? *frameColor : ::GetSysColor(COLOR_HIGHLIGHT);
    FillWith(*dc, *box, XpCheckBoxFill(frame));
    dc->Draw3dRect(*box, frame, frame);
    const ItemRect r{box->left, box->top, box->right, box->bottom};
    const PixelPoint at = CheckMarkOrigin(r, radio != FALSE, true);
    const COLORREF ink = ::GetSysColor(COLOR_MENUTEXT);
    if (radio) {
        DrawRadioDot(dc, at.x, at.y, ink);
    } else {
        DrawCheckMark(dc, at.x, at.y, ink);
    }
    return TRUE;
}

void DrawRadioDot(CDC* dc, int x, int y, COLORREF color) {
    if (dc == nullptr) return;
    CBrush brush(color);
    CPen pen(PS_SOLID, 0, color);
    CSelectGuard brushIn(*dc, brush);
    CSelectGuard penIn(*dc, pen);
    ::Ellipse(*dc, x, y, x + 6, y + 6);
}

void DrawCheckMark(CDC* dc, int x, int y, COLORREF color) {
    if (dc == nullptr) return;
    CPen pen(PS_SOLID, 0, color);
    CSelectGuard penIn(*dc, pen);
    for (int i = 0; i < 7; ++i) {
        const int top = y + CheckMarkColumnTop(i);
        ::MoveToEx(*dc, x + i, top, nullptr);
        ::LineTo(*dc, x + i, top + 3);
    }
}

}  // namespace tessel
