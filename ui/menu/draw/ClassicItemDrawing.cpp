#include "ui/menu/draw/ClassicItemDrawing.h"

#include "framework/CBrush.h"
#include "framework/CPen.h"
#include "ui/menu/draw/ItemPaintHelpers.h"
#include "ui/menu/pictures/BitmapEffects.h"
#include "ui/menu/pictures/MenuPictures.h"

namespace tessel {

namespace {

// The picture square: a check-mark picture, or the item's picture greyed,
// raised while selected, or sunken while checked.
void PaintClassicPicture(CDC& dc, const ItemDrawSettings& s, const PreparedItem& p, const ClassicLayout& layout,
                         COLORREF bg) {
    const int iw = s.iconWidth;
    const int ih = s.iconHeight;
    const RECT inner = ToRect(layout.inner);
    const RECT outer = ToRect(layout.outer);
    const PixelPoint at = layout.picture;
    dc.Draw3dRect(inner, bg, bg);
    if (p.state.useCheckImages && s.checkImages != nullptr) {
        FillRectWith(dc, layout.inner, bg);
        dc.Draw3dRect(outer, bg, bg);
        DrawListPicture(dc, s.checkImages, p.selected ? 1 : 0, at.x, at.y);
    } else if (p.state.disabledPicture) {
        CBitmap rendered;
        if (RenderIconToBitmap(dc, p.list, p.picture.index, iw, ih, rendered)) {
            dc.Draw3dRect(outer, bg, bg);
            if (s.embossedDisabledIcons) {
                DrawEmbossedImage(dc, at.x, at.y, iw, ih, rendered, 0, 0, bg);
            } else {
                DrawGrayedImage(&dc, at.x, at.y, iw, ih, &rendered, 0, 0, bg);
            }
        }
    } else if (p.state.selectedPicture) {
        FillRectWith(dc, layout.inner, bg);
        if (s.look.newShell) {
            if (p.checked) {
                dc.Draw3dRect(outer, p.sys.btnShadow, p.sys.btnHighlight);
            } else {
                dc.Draw3dRect(outer, p.sys.btnHighlight, p.sys.btnShadow);
            }
        }
        DrawListPicture(dc, p.list, p.picture.index, at.x, at.y);
    } else {
        if (p.checked) {
            FillRectWith(dc, layout.inner, ClassicCheckedPictureFill(bg));
            if (s.look.newShell) dc.Draw3dRect(outer, p.sys.btnShadow, p.sys.btnHighlight);
        } else {
            FillRectWith(dc, layout.inner, bg);
            dc.Draw3dRect(outer, bg, bg);
        }
        DrawListPicture(dc, p.list, p.picture.index, at.x, at.y);
    }
}

void PaintClassicCaption(HDC dc, const PreparedItem& p, const ItemRect& text, COLORREF ink, COLORREF bg) {
    switch (ClassicCaptionInk(p.grayed, p.selected)) {
    case CaptionInk::Normal:
        DrawCaptionParts(dc, p.parts, text, ink);
        break;
    case CaptionInk::Engraved: {
        ItemRect shifted = text;
        shifted.left += 1;
        shifted.top += 1;
        shifted.right += 1;
        shifted.bottom += 1;
        DrawCaptionParts(dc, p.parts, shifted, p.sys.btnHighlight);
        DrawCaptionParts(dc, p.parts, text, p.sys.grayText);
        break;
    }
    case CaptionInk::Background:
        DrawCaptionParts(dc, p.parts, text, bg);
        break;
    }
}

}  // namespace

void DrawClassicItem(const ItemDrawSettings& s, const PreparedItem& p, CDC& dc, const DRAWITEMSTRUCT& dis) {
    const COLORREF bg = ClassicBackground(p.sys, s.look.xpLook);

    if (p.separator) {
        FillRectWith(dc, p.rect, bg);
        dc.DrawEdge(ToRect(ClassicSeparatorLine(p.rect)), EDGE_ETCHED, BF_TOP);
        return;
    }

    const ClassicLayout layout =
        ComputeClassicLayout(p.rect, s.iconWidth, s.iconHeight, p.state.usesColumn || p.checked, p.parts.hasTab);
    COLORREF textColor = p.sys.menuText;
    {
        CPen pen(PS_SOLID, 1, bg);
        CSelectGuard penIn(dc, pen);
        if (p.selected) {
            FillRectWith(dc, layout.highlight, p.sys.highlight);
            textColor = p.sys.highlightText;
        } else {
            FillRectWith(dc, p.rect, bg);
            dc.Draw3dRect(dis.rcItem, bg, bg);
        }
    }

    if (p.state.usesColumn) PaintClassicPicture(dc, s, p, layout, bg);

    if (p.checked && !p.state.hasPicture && !p.state.useCheckImages) {
        const RECT box = ToRect(layout.checkBox);
        DrawCheckBoxClassic(&dc, &box, p.selected, HasCustomCheckBitmap(&dis), s.look);
    }

    if (!p.caption.empty()) PaintClassicCaption(dc, p, layout.text, textColor, bg);
}

}  // namespace tessel
