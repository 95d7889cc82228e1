#include "ui/menu/measure/ItemMeasuring.h"

#include <cwchar>
#include <optional>

#include "framework/CDC.h"
#include "ui/menu/measure/ItemSizeRules.h"
#include "ui/menu/model/TesselMenuItem.h"

namespace tessel {

CFont CreateMenuFont() {
    NONCLIENTMETRICSA metrics = {};
    static_assert(sizeof(metrics) == 340, "the metrics block the menu asks for");
    metrics.cbSize = sizeof(metrics);
    CFont font;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font.Attach(::CreateFontIndirectA(&metrics.lfMenuFont));
    }
    return font;
}

void MeasureMenuItem(const TesselMenuItem* record, const MeasureSettings& s, MEASUREITEMSTRUCT* mis) {
    if (mis == nullptr) return;
    const int pad = ItemPadding(s.xpStyleActive, s.xpIconEffects);
    if (record != nullptr && (record->flags & MF_SEPARATOR) != 0) {
        const ItemSize size = SeparatorItemSize(s.iconHeight, pad, s.cyMenu);
        mis->itemWidth = static_cast<UINT>(size.width);
        mis->itemHeight = static_cast<UINT>(size.height);
        return;
    }

    const wchar_t* text = record != nullptr && record->text ? record->text.get() : L"";
    const int length = static_cast<int>(std::wcslen(text));
    int width = 0;
    {
        CFont font = CreateMenuFont();
        CClientDC dc(s.window != nullptr ? s.window : ::GetDesktopWindow());
        std::optional<CSelectGuard> fontIn;
        // The system draws the captions in its menu font, so they are
        // measured in it wherever the system has one, the versions after
        // XP included.
        if (!font.IsNull()) fontIn.emplace(dc, font);
        if (s.os != OsWin32s) {
            SIZE extent = {};
            if (::GetTextExtentPoint32W(dc, text, length, &extent)) width = extent.cx;
        } else {
            const CString narrow = record != nullptr ? record->GetTextNarrow() : CString();
            RECT rect = {};
            ::DrawTextA(dc, narrow, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
            width = Win32sCaptionWidth(rect.right - rect.left, length);
        }
    }
    const ItemSize size = CommandItemSize(width, s.iconWidth, s.iconHeight, pad, s.xpStyleActive, s.cyMenu);
    mis->itemWidth = static_cast<UINT>(size.width);
    mis->itemHeight = static_cast<UINT>(size.height);
}

}  // namespace tessel
