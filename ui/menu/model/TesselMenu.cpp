#include "ui/menu/model/TesselMenu.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/PathSplit.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "ui/menu/draw/ItemDrawing.h"
#include "ui/menu/measure/ItemMeasuring.h"
#include "ui/menu/model/AcceleratorColumn.h"
#include "ui/menu/model/MenuChar.h"
#include "ui/menu/model/MenuResourceLookup.h"
#include "ui/menu/model/MenuSync.h"
#include "ui/menu/model/SystemDetection.h"
#include "ui/menu/pictures/SharedImages.h"
#include "ui/menu/readers/MenuTemplate.h"

IMPLEMENT_DYNAMIC(TesselMenu, CMenu)

int TesselMenu::s_defaultDrawStyle = tessel::DrawStyleClassic;
int TesselMenu::s_themedDrawStyle = tessel::DrawStyleXP;
int TesselMenu::s_selectDisabledClassic = 1;
int TesselMenu::s_selectDisabledXP = 0;
int TesselMenu::s_xpIconEffects = 1;
int TesselMenu::s_classicThemeChecked = 0;
int TesselMenu::s_classicTheme = 0;
// Set up in this order before the application starts; released in reverse
// at process end (the shared image list through its owner).
CImageList TesselMenu::s_sharedImages;
std::vector<std::int32_t> TesselMenu::s_sharedImageIds;
tessel::OsVersionCode TesselMenu::s_osVersion = tessel::DetectOsVersion();
std::vector<HMENU> TesselMenu::s_subMenuRegistry;

namespace {

// Nesting deeper than any real menu; guards against a menu holding itself.
constexpr int kMaxSearchDepth = 32;

void EraseHandle(std::vector<HMENU>& registry, HMENU menu) {
    // From the last entry to the first, every equal one.
    for (std::size_t i = registry.size(); i-- > 0;) {
        if (registry[i] == menu) registry.erase(registry.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

// The caption of a position as the system holds it, whatever its length.
std::string ReadMenuString(HMENU menu, UINT position) {
    const int length = ::GetMenuStringA(menu, position, nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int read = ::GetMenuStringA(menu, position, &text[0], length + 1, MF_BYPOSITION);
    text.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    return text;
}

int ItemCount(HMENU menu) {
    const int count = menu != nullptr ? ::GetMenuItemCount(menu) : 0;
    return count > 0 ? count : 0;
}

HMENU FindLevelOfCommand(HMENU menu, UINT id, int& position, int depth) {
    if (depth > kMaxSearchDepth) return nullptr;
    const int count = ItemCount(menu);
    for (int p = 0; p < count; ++p) {
        if (HMENU sub = ::GetSubMenu(menu, p)) {
            if (HMENU found = FindLevelOfCommand(sub, id, position, depth + 1)) return found;
        } else if (::GetMenuItemID(menu, p) == id) {
            position = p;
            return menu;
        }
    }
    return nullptr;
}

}  // namespace

TesselMenu::TesselMenu() = default;

TesselMenu::~TesselMenu() { TesselMenu::DestroyMenu(); }

// ---- look, measuring, drawing ------------------------------------------

tessel::ItemDrawSettings TesselMenu::DrawSettings() const {
    tessel::ItemDrawSettings s;
    s.iconWidth = m_iconWidth;
    s.iconHeight = m_iconHeight;
    s.embossedDisabledIcons = m_embossedDisabledIcons != 0;
    s.checkImages = m_checkImages ? m_checkImages->GetSafeHandle() : nullptr;
    s.selectedCheckBitmapId = m_selectedCheckBitmapId;
    s.checkBitmapId = m_checkBitmapId;
    s.sharedImages = s_sharedImages.GetSafeHandle();
    s.sharedImageIds = &s_sharedImageIds;
    s.selectDisabledClassic = s_selectDisabledClassic != 0;
    s.selectDisabledXP = s_selectDisabledXP != 0;
    s.xpIconEffects = s_xpIconEffects != 0;
    s.look = tessel::CurrentSystemLook();
    return s;
}

void TesselMenu::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (dis == nullptr || dis->hDC == nullptr) return;
    const tessel::ItemDrawSettings settings = DrawSettings();
    const auto caps = static_cast<std::uint32_t>(::GetDeviceCaps(dis->hDC, RASTERCAPS));
    const bool classic = tessel::UsesClassicDrawing(caps, tessel::IsXPStyleActive() != FALSE);
    tessel::DrawMenuItem(settings, dis, classic ? tessel::ItemLook::Classic : tessel::ItemLook::Xp);
}

void TesselMenu::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    if (mis == nullptr) return;
    tessel::MeasureSettings s;
    s.iconWidth = m_iconWidth;
    s.iconHeight = m_iconHeight;
    s.xpStyleActive = tessel::IsXPStyleActive() != FALSE;
    s.xpIconEffects = s_xpIconEffects != 0;
    s.os = s_osVersion;
    s.cyMenu = ::GetSystemMetrics(SM_CYMENU);
    s.window = tessel::MenuReferenceWindow();
    tessel::MeasureMenuItem(reinterpret_cast<const TesselMenuItem*>(mis->itemData), s, mis);
}

// ---- loading and destroying -----------------------------------------------

BOOL TesselMenu::LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCEA(id & 0xFFFF)); }

namespace {

// Appends a parsed level to menu, depth first; each level's accelerator
// column is aligned once its last item is in, the innermost first.
void BuildLevel(TesselMenu& level, const std::vector<tessel::MenuTemplateItem>& items) {
    for (const tessel::MenuTemplateItem& item : items) {
        if (item.IsPopup()) {
            auto sub = std::make_unique<TesselMenu>();
            sub->m_checkBitmapId = level.m_checkBitmapId;
            sub->m_selectedCheckBitmapId = level.m_selectedCheckBitmapId;
            sub->m_checkImages = level.m_checkImages;
            if (!sub->CreatePopupMenu()) continue;
            TesselMenu& popup = *sub;  // borrowed: the level owns it from here on
            level.AppendPopup(item.caption.c_str(), item.flags, std::move(sub));
            BuildLevel(popup, item.children);
        } else {
            level.AppendItem(item.caption.c_str(), item.flags, item.id, -1);
        }
    }
    level.AlignAcceleratorColumn();
}

}  // namespace

BOOL TesselMenu::LoadMenu(const char* name) {
    const ResourceView resource = tessel::FindMenuResource(name, MAKEINTRESOURCEA(4));
    if (!resource) return FALSE;
    // A malformed template is refused whole, before anything is destroyed.
    const tessel::MenuTemplateResult parsed = tessel::ParseMenuTemplate(resource.data, resource.size);
    if (!parsed.ok()) return FALSE;

    // Emptying the old tree keeps this menu's own check-mark pictures, which
    // the new levels share.
    const std::shared_ptr<CImageList> checkImages = m_checkImages;
    DestroyMenu();
    m_checkImages = checkImages;
    if (!CreateMenu()) return FALSE;
    BuildLevel(*this, parsed.items);

    // The top level is a menu bar of plain strings drawn by the system; its
    // records stay.
    const int count = std::min(ItemCount(m_hMenu), static_cast<int>(m_items.size()));
    for (int p = 0; p < count; ++p) {
        TesselMenuItem& record = *m_items[static_cast<std::size_t>(p)];
        const CString caption = record.GetTextNarrow();
        if (CMenu* popup = SubMenuAt(p)) {
            record.flags = MF_BYPOSITION | MF_POPUP;
            ::ModifyMenuA(m_hMenu, static_cast<UINT>(p), record.flags, reinterpret_cast<UINT_PTR>(popup->m_hMenu),
                          caption);
        } else {
            record.flags = MF_BYPOSITION | MF_STRING;
            ::ModifyMenuA(m_hMenu, static_cast<UINT>(p), record.flags, record.commandId, caption);
        }
    }
    m_loaded = 1;
    return TRUE;
}

BOOL TesselMenu::DestroyMenu() {
    if (m_hMenu != nullptr) EraseHandle(s_subMenuRegistry, m_hMenu);
    for (std::size_t i = m_subMenus.size(); i-- > 0;) EraseHandle(s_subMenuRegistry, m_subMenus[i]);
    // Depth first: each sub-menu's destructor empties its own levels.
    while (!m_ownedSubMenus.empty()) m_ownedSubMenus.pop_back();
    m_subMenus.clear();
    m_items.clear();
    m_checkImages.reset();
    const HMENU own = Detach();
    return own != nullptr ? ::DestroyMenu(own) : FALSE;
}

// ---- items ------------------------------------------------------------------

tessel::PictureOptions TesselMenu::PictureSettings() const {
    tessel::PictureOptions o;
    o.iconWidth = m_iconWidth;
    o.iconHeight = m_iconHeight;
    o.imageIsIcon = m_imageIsIcon != 0;
    o.useMaskColor = m_useMaskColor != 0;
    o.maskColor = m_maskColor;
    o.effects = tessel::IsXPStyleActive() && s_xpIconEffects != 0;
    o.xpLook = tessel::IsXPLook() != FALSE;
    return o;
}

BOOL TesselMenu::AppendItem(const wchar_t* text, UINT flags, UINT_PTR id, int toolbarId) {
    flags = tessel::AppendItemFlags(flags, static_cast<std::uint32_t>(id));
    if ((flags & MF_POPUP) != 0) return FALSE;
    return AppendRecord(text, flags, id, toolbarId);
}

BOOL TesselMenu::AppendPopup(const wchar_t* text, UINT flags, std::unique_ptr<TesselMenu> popup) {
    if (!popup || popup->m_hMenu == nullptr) return FALSE;
    const HMENU handle = popup->m_hMenu;
    s_subMenuRegistry.push_back(handle);
    m_subMenus.push_back(handle);
    m_ownedSubMenus.push_back(std::move(popup));
    const auto id = reinterpret_cast<UINT_PTR>(handle);
    flags = tessel::AppendItemFlags(flags | MF_POPUP, static_cast<std::uint32_t>(id));
    return AppendRecord(text, flags, id, -1);
}

BOOL TesselMenu::AppendRecord(const wchar_t* text, UINT flags, UINT_PTR id, int toolbarId) {
    m_items.push_back(std::make_unique<TesselMenuItem>());
    TesselMenuItem* record = m_items.back().get();
    record->SetTextWide(text);

    int index = 0;
    if (toolbarId >= 0 && LoadToolbarImageIndex(static_cast<UINT>(id), static_cast<UINT>(toolbarId), index)) {
        CImageList temporary;
        if (temporary.Create(m_iconWidth, m_iconHeight, tessel::kMenuImageListFlags, 1, 1)) {
            // A toolbar's picture is always a bitmap resource.
            tessel::PictureOptions options = PictureSettings();
            options.imageIsIcon = false;
            if (tessel::AddPictureToList(temporary, static_cast<UINT_PTR>(toolbarId), options)) {
                record->sharedImageIndex = AddSharedImage(temporary, index, static_cast<int>(id));
            }
        }
    } else {
        // Without a toolbar, or when it lacks the command: the picture the
        // command already has, if any.
        record->sharedImageIndex = FindSharedImage(static_cast<int>(id));
    }
    record->commandId = id;
    record->flags = flags;
    const BOOL appended = ::AppendMenuA(m_hMenu, flags, id, reinterpret_cast<const char*>(record));
    if (m_loaded) RefreshPopupCaptions();
    return appended;
}

std::unique_ptr<TesselMenuItem> TesselMenu::MakeItemForPosition(UINT position, UINT flags, UINT_PTR id,
                                                                const char* caption) {
    auto record = std::make_unique<TesselMenuItem>();
    record->SetTextNarrow(caption);
    record->flags = flags;
    record->commandId = id;
    const CString text = record->GetTextNarrow();
    const char* data = (flags & MF_OWNERDRAW) != 0 ? reinterpret_cast<const char*>(record.get()) : text.GetString();
    ::ModifyMenuA(m_hMenu, position, flags, id, data);
    return record;
}

CMenu* TesselMenu::SubMenuAt(int position) const {
    if (m_hMenu == nullptr || position < 0) return nullptr;
    return CMenu::FromHandle(::GetSubMenu(m_hMenu, position));
}

CMenu* TesselMenu::FindMenuOfCommand(UINT id, int& position) const {
    position = -1;
    int found = -1;
    HMENU level = FindLevelOfCommand(m_hMenu, id, found, 0);
    if (level == nullptr) return nullptr;
    position = found;
    return CMenu::FromHandle(level);
}

BOOL TesselMenu::GetItemCaption(UINT item, CString& caption, UINT flags) const {
    if ((flags & MF_BYPOSITION) != 0) {
        if (item >= m_items.size()) return FALSE;
        caption = m_items[item]->GetTextNarrow();
        return TRUE;
    }
    int position = -1;
    CMenu* level = FindMenuOfCommand(item, position);
    if (level == nullptr) return FALSE;
    if (level->IsKindOf(RUNTIME_CLASS(TesselMenu))) {
        return static_cast<TesselMenu*>(level)->GetItemCaption(static_cast<UINT>(position), caption, MF_BYPOSITION);
    }
    // A level without records (appended by hand): the caption the system holds.
    caption = CString(ReadMenuString(level->m_hMenu, static_cast<UINT>(position)).c_str());
    return TRUE;
}

// ---- resynchronisation --------------------------------------------------

void TesselMenu::SynchronizeItems() {
    const int count = ItemCount(m_hMenu);
    std::vector<UINT> states;
    std::vector<std::uintptr_t> positionIds;
    for (int p = 0; p < count; ++p) {
        const UINT state = ::GetMenuState(m_hMenu, static_cast<UINT>(p), MF_BYPOSITION);
        // A popup is matched by its handle, a separator by 0.
        std::uintptr_t id = 0;
        switch (tessel::ClassifyMenuState(state)) {
        case tessel::PositionKind::Popup:
            id = reinterpret_cast<std::uintptr_t>(::GetSubMenu(m_hMenu, p));
            break;
        case tessel::PositionKind::Separator:
            break;
        case tessel::PositionKind::Command:
            id = ::GetMenuItemID(m_hMenu, p);
            break;
        }
        states.push_back(state);
        positionIds.push_back(id);
    }
    std::vector<std::uintptr_t> recordIds;
    recordIds.reserve(m_items.size());
    for (const auto& record : m_items) recordIds.push_back(record->commandId);
    const std::vector<int> match = tessel::MatchRecordsToPositions(recordIds, positionIds);

    std::vector<std::unique_ptr<TesselMenuItem>> next;
    next.reserve(match.size());
    for (std::size_t p = 0; p < match.size(); ++p) {
        std::unique_ptr<TesselMenuItem> record;
        if (match[p] >= 0) record = std::move(m_items[static_cast<std::size_t>(match[p])]);
        next.push_back(SyncPosition(static_cast<UINT>(p), states[p], positionIds[p], std::move(record)));
    }
    // Records no position took are deleted only now, after every position
    // points at its own.
    m_items = std::move(next);
}

std::unique_ptr<TesselMenuItem> TesselMenu::SyncPosition(UINT position, UINT state, UINT_PTR id,
                                                         std::unique_ptr<TesselMenuItem> record) {
    const tessel::PositionKind kind = tessel::ClassifyMenuState(state);
    if (kind == tessel::PositionKind::Separator) {
        if (!record) return MakeItemForPosition(position, tessel::SeparatorRecordFlags(state), 0, "");
        // By position always: the record's own flags may lack it, and the
        // position must not be read as a command id.
        ::ModifyMenuA(m_hMenu, position, record->flags | MF_BYPOSITION, 0, reinterpret_cast<const char*>(record.get()));
        return record;
    }
    const std::string caption = ReadMenuString(m_hMenu, position);
    if (kind == tessel::PositionKind::Popup) {
        if (!record) return MakeItemForPosition(position, tessel::PopupRecordFlags(state), id, caption.c_str());
        if (!caption.empty()) record->SetTextNarrow(caption.c_str());
        return record;
    }
    if (!record) return MakeItemForPosition(position, tessel::CommandRecordFlags(state), id, caption.c_str());
    record->flags = tessel::CommandRecordFlags(state);
    if (!caption.empty()) record->SetTextNarrow(caption.c_str());
    ::ModifyMenuA(m_hMenu, position, record->flags, id, reinterpret_cast<const char*>(record.get()));
    return record;
}

void TesselMenu::AlignAcceleratorColumn() {
    const std::size_t n = std::min(static_cast<std::size_t>(ItemCount(m_hMenu)), m_items.size());
    if (n == 0) return;
    CFont font = tessel::CreateMenuFont();
    CClientDC dc(tessel::MenuReferenceWindow());
    std::optional<CSelectGuard> fontIn;
    if (!font.IsNull()) fontIn.emplace(dc, font);

    std::vector<std::string> captions;
    captions.reserve(n);
    for (std::size_t i = 0; i < n; ++i) captions.emplace_back(m_items[i]->GetTextNarrow());
    const auto width = [&dc](const std::string& s) {
        SIZE extent = {};
        ::GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &extent);
        return static_cast<int>(extent.cx);
    };
    const auto aligned = tessel::AlignAcceleratorCaptions(captions, width);
    for (std::size_t i = 0; i < n; ++i) {
        if (aligned[i]) m_items[i]->SetTextNarrow(aligned[i]->c_str());
    }
}

int TesselMenu::CountForeignLeadingItems() const {
    if (!m_loaded) return 0;
    std::vector<std::string> positions;
    const int count = ItemCount(m_hMenu);
    for (int p = 0; p < count; ++p) positions.push_back(ReadMenuString(m_hMenu, static_cast<UINT>(p)));
    std::vector<std::string> records;
    for (const auto& record : m_items) records.emplace_back(record->GetTextNarrow());
    return tessel::CountForeignLeadingItems(true, positions, records);
}

void TesselMenu::RefreshPopupCaptions() {
    const int leading = CountForeignLeadingItems();
    const int count = ItemCount(m_hMenu);
    for (int i = 0; leading + i < count && static_cast<std::size_t>(i) < m_items.size(); ++i) {
        CMenu* popup = SubMenuAt(leading + i);
        if (popup == nullptr) continue;
        TesselMenuItem& record = *m_items[static_cast<std::size_t>(i)];
        record.flags = MF_BYPOSITION | MF_POPUP;
        ::ModifyMenuA(m_hMenu, static_cast<UINT>(leading + i), MF_BYPOSITION | MF_POPUP,
                      reinterpret_cast<UINT_PTR>(popup->m_hMenu), record.GetTextNarrow());
    }
}

// ---- menu characters and the registry ----------------------------------

LRESULT TesselMenu::HandleMenuChar(UINT character, UINT flags, TesselMenu* menu) {
    if (menu == nullptr || (flags & MF_POPUP) == 0) return 0;
    const int count = ItemCount(menu->m_hMenu);
    if (static_cast<std::size_t>(count) != menu->m_items.size()) menu->SynchronizeItems();
    std::vector<std::string> captions;
    captions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CString caption;
        menu->GetItemCaption(static_cast<UINT>(i), caption, MF_BYPOSITION);
        captions.emplace_back(caption);
    }
    return static_cast<LRESULT>(tessel::MenuCharAnswer(character, flags, captions, IsAnsiLeadByte));
}

BOOL TesselMenu::IsRegisteredSubMenu(const CMenu* menu) {
    return menu != nullptr && IsRegisteredSubMenuHandle(menu->m_hMenu);
}

BOOL TesselMenu::IsRegisteredSubMenuHandle(HMENU menu) {
    if (menu == nullptr) return FALSE;
    return std::find(s_subMenuRegistry.begin(), s_subMenuRegistry.end(), menu) != s_subMenuRegistry.end();
}

// ---- pictures -------------------------------------------------------------

int TesselMenu::FindSharedImage(int id) { return tessel::FindSharedImage(s_sharedImageIds, id); }

BOOL TesselMenu::HasEffectImages(int index) { return tessel::HasEffectImages(s_sharedImageIds, index) ? TRUE : FALSE; }

int TesselMenu::AddSharedImage(HIMAGELIST list, int index, int id) {
    return tessel::AddSharedPicture(s_sharedImages, s_sharedImageIds, list, index, id, PictureSettings());
}

BOOL TesselMenu::AddImageToList(HIMAGELIST list, UINT_PTR picture) {
    return tessel::AddPictureToList(list, picture, PictureSettings()) ? TRUE : FALSE;
}

BOOL TesselMenu::LoadToolbarImageIndex(UINT id, UINT toolbarId, int& index) {
    return tessel::FindToolbarPicture(id, toolbarId, index) ? TRUE : FALSE;
}

BOOL TesselMenu::RenderIconToBitmap(HDC dc, HIMAGELIST list, int index, CBitmap& bitmap) const {
    return tessel::RenderIconToBitmap(dc, list, index, m_iconWidth, m_iconHeight, bitmap) ? TRUE : FALSE;
}

void TesselMenu::SetCheckImages(std::shared_ptr<CImageList> images, int checkBitmapId, int selectedCheckBitmapId) {
    m_checkImages = std::move(images);
    m_checkBitmapId = checkBitmapId;
    m_selectedCheckBitmapId = selectedCheckBitmapId;
}
