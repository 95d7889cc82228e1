#include "ui/menu/draw/XpItemDrawing.h"

#include <memory>
#include <optional>

#include "framework/CFont.h"
#include "framework/CPen.h"
#include "ui/menu/draw/ItemPaintHelpers.h"
#include "ui/menu/draw/OffscreenItemDC.h"
#include "ui/menu/measure/ItemMeasuring.h"
#include "ui/menu/pictures/BitmapEffects.h"
#include "ui/menu/pictures/MenuPictures.h"

namespace tessel {

namespace {

int PictureIndexOf(const PictureChoice& choice, PictureVariant variant) {
    switch (variant) {
    case PictureVariant::Faded:
        return choice.fadedIndex;
    case PictureVariant::Shadow:
        return choice.shadowIndex;
    case PictureVariant::Normal:
        break;
    }
    return choice.index;
}

void DrawPictures(HDC dc, HIMAGELIST list, const PictureChoice& choice, const std::vector<PictureDraw>& draws) {
    for (const PictureDraw& d : draws) DrawListPicture(dc, list, PictureIndexOf(choice, d.variant), d.x, d.y);
}

// The picture column's content: a check-mark picture, or the item's picture
// greyed, lifted with its shadow while selected, or boxed while checked.
void PaintXpPicture(CDC* dc, const ItemDrawSettings& s, const PreparedItem& p, const XpLayout& layout,
                    const XpColors& xp, const RECT& item) {
    const int iw = s.iconWidth;
    const int ih = s.iconHeight;
    const RECT box = ToRect(layout.box);
    const PixelPoint rest = layout.picture;
    if (p.state.useCheckImages && s.checkImages != nullptr) {
        FillRectWith(*dc, layout.box, xp.face);
        DrawListPicture(*dc, s.checkImages, p.selected ? 1 : 0, rest.x, rest.y);
    } else if (p.state.disabledPicture) {
        CBitmap rendered;
        if (RenderIconToBitmap(*dc, p.list, p.picture.index, iw, ih, rendered)) {
            const COLORREF ground = p.selected ? xp.selFill : xp.face;
            if (s.embossedDisabledIcons) {
                DrawEmbossedImage(*dc, rest.x, rest.y, iw, ih, rendered, 0, 0, ground);
            } else {
                DrawGrayedImage(dc, rest.x, rest.y, iw, ih, &rendered, 0, 0, ground);
            }
            if (p.selected) dc->Draw3dRect(item, xp.highlight, xp.highlight);
        }
    } else if (p.state.selectedPicture) {
        FillRectWith(*dc, layout.box, xp.selFill);
        if (p.checked) dc->Draw3dRect(box, xp.highlight, xp.highlight);
        DrawPictures(*dc, p.list, p.picture, XpPictureDraws(rest, true, p.checked, p.picture.hasEffects));
    } else {
        if (p.checked) {
            FillRectWith(*dc, layout.box, xp.checkedFill);
            dc->Draw3dRect(box, xp.highlight, xp.highlight);
        } else {
            FillRectWith(*dc, layout.box, xp.face);
            dc->Draw3dRect(box, xp.face, xp.face);
        }
        DrawPictures(*dc, p.list, p.picture, XpPictureDraws(rest, false, p.checked, p.picture.hasEffects));
    }
}

}  // namespace

void DrawXpItem(const ItemDrawSettings& s, const PreparedItem& p, CDC& itemDc, const DRAWITEMSTRUCT& dis) {
    const XpColors xp = ComputeXpColors(p.sys, s.look.xpLook);

    // Grayed items are composed off-screen and reach the item DC in one copy.
    std::unique_ptr<OffscreenItemDC> offscreen;
    CFont menuFont;
    std::optional<CSelectGuard> fontIn;
    CDC* dc = &itemDc;
    if (p.grayed && !s.selectDisabledXP) {
        offscreen = std::make_unique<OffscreenItemDC>(&itemDc, dis.rcItem);
        dc = offscreen->Dc();
        menuFont = CreateMenuFont();
        if (!menuFont.IsNull()) fontIn.emplace(*dc, menuFont);
    }

    const XpLayout layout = ComputeXpLayout(p.rect, s.iconWidth, s.iconHeight, s.xpIconEffects, p.parts.hasTab);
    if (p.separator) {
        FillRectWith(*dc, p.rect, xp.window);
        dc->DrawEdge(ToRect(XpSeparatorLine(p.rect, layout.columnWidth, layout.pad)), EDGE_ETCHED, BF_TOP);
        FillRectWith(*dc, layout.column, xp.face);
        dc->Draw3dRect(ToRect(layout.column), xp.face, xp.face);
        return;
    }

    CPen pen(PS_SOLID, 1, xp.window);
    CSelectGuard penIn(*dc, pen);
    if (p.selected) {
        FillRectWith(*dc, p.rect, xp.selFill);
        dc->Draw3dRect(dis.rcItem, xp.highlight, xp.highlight);
    } else {
        FillRectWith(*dc, p.rect, xp.window);
        FillRectWith(*dc, layout.column, xp.face);
        dc->Draw3dRect(dis.rcItem, xp.window, xp.window);
        dc->Draw3dRect(ToRect(layout.column), xp.face, xp.face);
    }

    if (p.state.usesColumn) PaintXpPicture(dc, s, p, layout, xp, dis.rcItem);

    if (p.checked && !p.state.hasPicture && !p.state.useCheckImages) {
        const RECT box = ToRect(layout.checkBox);
        const COLORREF frame = xp.highlight;
        DrawCheckBoxXP(dc, &box, HasCustomCheckBitmap(&dis), &frame);
    }

    if (!p.caption.empty()) {
        DrawCaptionParts(*dc, p.parts, layout.text, XpCaptionColor(p.sys, s.look.xpLook, p.grayed, p.selected));
    }
}

}  // namespace tessel
