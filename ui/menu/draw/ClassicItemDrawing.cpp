#include "ui/menu/draw/ClassicItemDrawing.h"

#include "ui/menu/pictures/BitmapEffects.h"
#include "framework/CBrush.h"
#include "framework/CPen.h"
#include "ui/menu/draw/ItemPaintHelpers.h"
#include "ui/menu/pictures/MenuPictures.h"
#include "ui/menu/model/TesselMenuItem.h"

namespace tessel {

void DrawClassicItem(const ItemDrawSettings& s, DRAWITEMSTRUCT* dis) {
    if (dis == nullptr || dis->hDC == nullptr) return;
    const TesselMenuItem* item = ItemRecordOf(dis);
    CBorrowedDC dc(dis->hDC);  // borrowed: the item DC belongs to the system

    const MenuSysColors sys = ReadMenuSysColors();
    const COLORREF bg = ClassicBackground(sys, s.look.xpLook);
    const ItemRect r = ToItemRect(dis->rcItem);
    const int iw = s.iconWidth;
    const int ih = s.iconHeight;

    const bool grayed = (dis->itemState & ODS_GRAYED) != 0;
    if (grayed && !s.selectDisabledClassic) dis->itemState &= ~static_cast<UINT>(ODS_SELECTED);
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const bool checked = (dis->itemState & ODS_CHECKED) != 0;

    if (item != nullptr && (item->flags & MF_SEPARATOR) != 0) {
        FillRectWith(dc, r, bg);
        dc.DrawEdge(ToRect(ClassicSeparatorLine(r)), EDGE_ETCHED, BF_TOP);
        dc.Detach();
        return;
    }

    const PictureChoice picture =
        item != nullptr ? ChooseClassicPicture(item->ownImageFlag, item->ownImageIndex,
                                               item->sharedImageIndex)
                        : ChooseClassicPicture(-1, -1, -1);
    const HIMAGELIST list = ChosenPictureList(item, picture, s.sharedImages);
    const PictureState state = DerivePictureState(picture.flag, checked, selected, grayed,
                                                  s.selectedCheckBitmapId, s.checkBitmapId);
    const std::string caption = item != nullptr ? std::string(item->GetTextNarrow()) : std::string();
    const CaptionParts parts = SplitCaption(caption);
    const ClassicLayout layout = ComputeClassicLayout(r, iw, ih, state.usesColumn || checked, parts.hasTab);

    COLORREF textColor = sys.menuText;
    {
        CPen pen(PS_SOLID, 1, bg);
        CSelectGuard penIn(dc, pen);
        if (selected) {
            FillRectWith(dc, layout.highlight, sys.highlight);
            textColor = sys.highlightText;
        } else {
            FillRectWith(dc, r, bg);
            dc.Draw3dRect(dis->rcItem, bg, bg);
        }
    }

    if (state.usesColumn) {
        const RECT inner = ToRect(layout.inner);
        const RECT outer = ToRect(layout.outer);
        const PixelPoint at = layout.picture;
        dc.Draw3dRect(inner, bg, bg);
        if (state.useCheckImages && s.checkImages != nullptr) {
            FillRectWith(dc, layout.inner, bg);
            dc.Draw3dRect(outer, bg, bg);
            DrawListPicture(dc, s.checkImages, selected ? 1 : 0, at.x, at.y);
        } else if (state.disabledPicture) {
            CBitmap rendered;
            if (RenderIconToBitmap(dc, list, picture.index, iw, ih, rendered)) {
                dc.Draw3dRect(outer, bg, bg);
                if (s.embossedDisabledIcons) {
                    DrawEmbossedImage(dc, at.x, at.y, iw, ih, rendered, 0, 0, bg);
                } else {
                    DrawGrayedImage(&dc, at.x, at.y, iw, ih, &rendered, 0, 0, bg);
                }
            }
        } else if (state.selectedPicture) {
            FillRectWith(dc, layout.inner, bg);
            if (s.look.newShell) {
                if (checked) {
                    dc.Draw3dRect(outer, sys.btnShadow, sys.btnHighlight);
                } else {
                    dc.Draw3dRect(outer, sys.btnHighlight, sys.btnShadow);
                }
            }
            DrawListPicture(dc, list, picture.index, at.x, at.y);
        } else {
            if (checked) {
                FillRectWith(dc, layout.inner, ClassicCheckedPictureFill(bg));
                if (s.look.newShell) dc.Draw3dRect(outer, sys.btnShadow, sys.btnHighlight);
            } else {
                FillRectWith(dc, layout.inner, bg);
                dc.Draw3dRect(outer, bg, bg);
            }
            DrawListPicture(dc, list, picture.index, at.x, at.y);
        }
    }

    if (checked && !state.hasPicture && !state.useCheckImages) {
        const RECT box = ToRect(layout.checkBox);
        DrawCheckBoxClassic(&dc, &box, selected, HasCustomCheckBitmap(dis), s.look);
    }

    if (!caption.empty()) {
        switch (ClassicCaptionInk(grayed, selected)) {
            case CaptionInk::Normal:
                DrawCaptionParts(dc, parts, layout.text, textColor);
                break;
            case CaptionInk::Engraved: {
                ItemRect shifted = layout.text;
                shifted.left += 1;
                shifted.top += 1;
                shifted.right += 1;
                shifted.bottom += 1;
                DrawCaptionParts(dc, parts, shifted, sys.btnHighlight);
                DrawCaptionParts(dc, parts, layout.text, sys.grayText);
                break;
            }
            case CaptionInk::Background:
                DrawCaptionParts(dc, parts, layout.text, bg);
                break;
        }
    }
    dc.Detach();
}

}  // namespace tessel
