#include "ui/menu/draw/XpItemDrawing.h"

#include <memory>
#include <optional>

#include "ui/menu/pictures/BitmapEffects.h"
#include "framework/CFont.h"
#include "framework/CPen.h"
#include "ui/menu/measure/ItemMeasuring.h"
#include "ui/menu/draw/ItemPaintHelpers.h"
#include "ui/menu/pictures/MenuPictures.h"
#include "ui/menu/draw/OffscreenItemDC.h"
#include "ui/menu/model/TesselMenuItem.h"
#include "ui/menu/pictures/SharedImages.h"

namespace tessel {

namespace {

int PictureIndexOf(const PictureChoice& choice, PictureVariant variant) {
    switch (variant) {
        case PictureVariant::Faded: return choice.fadedIndex;
        case PictureVariant::Shadow: return choice.shadowIndex;
        case PictureVariant::Normal: break;
    }
    return choice.index;
}

void DrawPictures(HDC dc, HIMAGELIST list, const PictureChoice& choice,
                  const std::vector<PictureDraw>& draws) {
    for (const PictureDraw& d : draws) DrawListPicture(dc, list, PictureIndexOf(choice, d.variant), d.x, d.y);
}

}  // namespace

void DrawXpItem(const ItemDrawSettings& s, DRAWITEMSTRUCT* dis) {
    if (dis == nullptr || dis->hDC == nullptr) return;
    const TesselMenuItem* item = ItemRecordOf(dis);
    CBorrowedDC itemDc(dis->hDC);  // borrowed: the item DC belongs to the system

    const MenuSysColors sys = ReadMenuSysColors();
    const XpColors xp = ComputeXpColors(sys, s.look.xpLook);
    const ItemRect r = ToItemRect(dis->rcItem);
    const int iw = s.iconWidth;
    const int ih = s.iconHeight;

    const bool grayed = (dis->itemState & ODS_GRAYED) != 0;
    // Grayed items are composed off-screen and reach the item DC in one copy.
    std::unique_ptr<OffscreenItemDC> offscreen;
    CFont menuFont;
    std::optional<CSelectGuard> fontIn;
    CDC* dc = &itemDc;
    if (grayed && !s.selectDisabledXP) {
        dis->itemState &= ~static_cast<UINT>(ODS_SELECTED);
        offscreen = std::make_unique<OffscreenItemDC>(&itemDc, dis->rcItem);
        dc = offscreen->Dc();
        menuFont = CreateMenuFont();
        if (!menuFont.IsNull()) fontIn.emplace(*dc, menuFont);
    }
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const bool checked = (dis->itemState & ODS_CHECKED) != 0;

    const std::string caption = item != nullptr ? std::string(item->GetTextNarrow()) : std::string();
    const CaptionParts parts = SplitCaption(caption);
    const XpLayout layout = ComputeXpLayout(r, iw, ih, s.xpIconEffects, parts.hasTab);

    if (item != nullptr && (item->flags & MF_SEPARATOR) != 0) {
        FillRectWith(*dc, r, xp.window);
        dc->DrawEdge(ToRect(XpSeparatorLine(r, layout.columnWidth, layout.pad)), EDGE_ETCHED, BF_TOP);
        FillRectWith(*dc, layout.column, xp.face);
        dc->Draw3dRect(ToRect(layout.column), xp.face, xp.face);
        return;
    }

    PictureChoice picture = ChooseXpPicture(-1, -1, -1, -1, false, false);
    if (item != nullptr) {
        const int ownCount = item->ownImages ? item->ownImages->GetImageCount() : -1;
        const bool sharedEffects =
            s.sharedImageIds != nullptr && HasEffectImages(*s.sharedImageIds, item->sharedImageIndex);
        picture = ChooseXpPicture(item->ownImageFlag, item->ownImageIndex, ownCount,
                                  item->sharedImageIndex, s.xpIconEffects, sharedEffects);
    }
    const HIMAGELIST list = ChosenPictureList(item, picture, s.sharedImages);
    const PictureState state = DerivePictureState(picture.flag, checked, selected, grayed,
                                                  s.selectedCheckBitmapId, s.checkBitmapId);

    CPen pen(PS_SOLID, 1, xp.window);
    CSelectGuard penIn(*dc, pen);
    if (selected) {
        FillRectWith(*dc, r, xp.selFill);
        dc->Draw3dRect(dis->rcItem, xp.highlight, xp.highlight);
    } else {
        FillRectWith(*dc, r, xp.window);
        FillRectWith(*dc, layout.column, xp.face);
        dc->Draw3dRect(dis->rcItem, xp.window, xp.window);
        dc->Draw3dRect(ToRect(layout.column), xp.face, xp.face);
    }

    if (state.usesColumn) {
        const RECT box = ToRect(layout.box);
        const PixelPoint rest = layout.picture;
        if (state.useCheckImages && s.checkImages != nullptr) {
            FillRectWith(*dc, layout.box, xp.face);
            DrawListPicture(*dc, s.checkImages, selected ? 1 : 0, rest.x, rest.y);
        } else if (state.disabledPicture) {
            CBitmap rendered;
            if (RenderIconToBitmap(*dc, list, picture.index, iw, ih, rendered)) {
                const COLORREF ground = selected ? xp.selFill : xp.face;
                if (s.embossedDisabledIcons) {
                    DrawEmbossedImage(*dc, rest.x, rest.y, iw, ih, rendered, 0, 0, ground);
                } else {
                    DrawGrayedImage(dc, rest.x, rest.y, iw, ih, &rendered, 0, 0, ground);
                }
                if (selected) dc->Draw3dRect(dis->rcItem, xp.highlight, xp.highlight);
            }
        } else if (state.selectedPicture) {
            FillRectWith(*dc, layout.box, xp.selFill);
            if (checked) dc->Draw3dRect(box, xp.highlight, xp.highlight);
            DrawPictures(*dc, list, picture, XpPictureDraws(rest, true, checked, picture.hasEffects));
        } else {
            if (checked) {
                FillRectWith(*dc, layout.box, xp.checkedFill);
                dc->Draw3dRect(box, xp.highlight, xp.highlight);
            } else {
                FillRectWith(*dc, layout.box, xp.face);
                dc->Draw3dRect(box, xp.face, xp.face);
            }
            DrawPictures(*dc, list, picture, XpPictureDraws(rest, false, checked, picture.hasEffects));
        }
    }

    if (checked && !state.hasPicture && !state.useCheckImages) {
        const RECT box = ToRect(layout.checkBox);
        const COLORREF frame = xp.highlight;
        DrawCheckBoxXP(dc, &box, HasCustomCheckBitmap(dis), &frame);
    }

    if (!caption.empty()) {
        DrawCaptionParts(*dc, parts, layout.text,
                         XpCaptionColor(sys, s.look.xpLook, grayed, selected));
    }
}

}  // namespace tessel
