#include "app/OnTopMenu.h"

#include "app/ForeignWindow.h"
#include "app/Pinning.h"
#include "app/TitleText.h"
#include "app/WindowSelection.h"

namespace {

constexpr UINT kReleaseAllId = 0x6F00;
constexpr UINT kFirstWindowId = 0x7000;  // two each: release, the program's rule
constexpr UINT kFirstRuleId = 0x7800;
constexpr std::size_t kMostWindows = 64;
// The window items' data: the tag and the window's index.
constexpr ULONG_PTR kIconTag = 0x5A0000;
constexpr ULONG_PTR kTagMask = 0xFF0000;
// For all the windows' icons; past it, only what the system holds.
constexpr DWORD kIconAskingMs = 250;

const wchar_t kNoneOnTop[] = L"没有置顶的窗口";
const wchar_t kRelease[] = L"取消置顶(&U)";
const wchar_t kKeepProgram[] = L"总是置顶此程序(&A)";
const wchar_t kReleaseAll[] = L"全部取消置顶(&R)";
const wchar_t kRulesMenu[] = L"总是置顶的程序(&P)";

void InsertAt(HMENU popup, UINT position, UINT flags, UINT_PTR id, const wchar_t* text) {
    ::InsertMenuW(popup, position, MF_BYPOSITION | flags, id, text);
}

}  // namespace

void OnTopMenu::Insert(HMENU popup, const PinRules& rules) {
    m_windows.clear();
    const DWORD deadline = ::GetTickCount() + kIconAskingMs;
    bool anyPinnedHere = false;
    UINT at = 0;
    for (HWND window : foreign_window::TopLevelWindows()) {
        wchar_t className[64];
        const WindowTraits traits = foreign_window::Traits(window, className);
        if ((traits.exStyle & WS_EX_TOPMOST) != 0 && PinnedHere(window)) anyPinnedHere = true;
        if (!ListedAsOnTop(traits) || m_windows.size() == kMostWindows) continue;
        m_windows.push_back(
            {window, foreign_window::ProcessOf(window), foreign_window::SmallIcon(window, deadline), {}});
        Listed& listed = m_windows.back();
        foreign_window::ProgramName(listed.process, listed.program);
        const UINT index = static_cast<UINT>(m_windows.size() - 1);

        const bool ruled = listed.program[0] != L'\0' && rules.Contains(listed.program);
        const bool ruleable = listed.program[0] != L'\0' && (ruled || rules.Count() < PinRules::kMaxRules);
        HMENU choices = ::CreatePopupMenu();
        ::AppendMenuW(choices, MF_STRING, kFirstWindowId + 2 * index, kRelease);
        ::AppendMenuW(choices, MF_STRING | (ruled ? MF_CHECKED : 0) | (ruleable ? 0 : MF_GRAYED),
                      kFirstWindowId + 2 * index + 1, kKeepProgram);

        wchar_t title[64], caption[128];
        foreign_window::Title(window, title, 64);
        EscapeMnemonics(title, caption, 128);
        MENUITEMINFOW item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP | MIIM_DATA;
        item.hSubMenu = choices;
        item.dwTypeData = caption;
        // The menu asks its owner to draw it (Draw).
        item.hbmpItem = HBMMENU_CALLBACK;
        item.dwItemData = kIconTag | index;
        ::InsertMenuItemW(popup, at++, TRUE, &item);
    }
    if (m_windows.empty()) InsertAt(popup, at++, MF_STRING | MF_GRAYED, 0, kNoneOnTop);
    InsertAt(popup, at++, MF_SEPARATOR, 0, nullptr);
    InsertAt(popup, at++, MF_STRING | (anyPinnedHere ? 0 : MF_GRAYED), kReleaseAllId, kReleaseAll);
    HMENU programs = ::CreatePopupMenu();
    for (std::size_t i = 0; i < rules.Count(); ++i) {
        wchar_t caption[2 * PinRules::kMaxNameLength + 1];
        EscapeMnemonics(rules.At(i), caption, ARRAYSIZE(caption));
        ::AppendMenuW(programs, MF_STRING, kFirstRuleId + i, caption);
    }
    InsertAt(popup, at++, MF_POPUP | (rules.Count() > 0 ? 0 : MF_GRAYED), reinterpret_cast<UINT_PTR>(programs),
             kRulesMenu);
    InsertAt(popup, at++, MF_SEPARATOR, 0, nullptr);
    m_inserted = static_cast<int>(at);
}

void OnTopMenu::Remove(HMENU popup) {
    // Deleting an item destroys its submenu too.
    for (; m_inserted > 0; --m_inserted) ::DeleteMenu(popup, 0, MF_BYPOSITION);
}

OnTopMenu::Choice OnTopMenu::Resolve(UINT command, const PinRules& rules) const {
    if (command == kReleaseAllId) return {Action::ReleaseAll, nullptr, nullptr};
    if (command >= kFirstRuleId && command - kFirstRuleId < rules.Count())
        return {Action::RemoveRule, nullptr, rules.At(command - kFirstRuleId)};
    if (command < kFirstWindowId || (command - kFirstWindowId) / 2 >= m_windows.size())
        return {Action::None, nullptr, nullptr};
    const Listed& listed = m_windows[(command - kFirstWindowId) / 2];
    // The handle may have gone to another program's window since.
    const bool same = ::IsWindow(listed.window) && foreign_window::ProcessOf(listed.window) == listed.process;
    const Action action = (command - kFirstWindowId) % 2 == 0 ? Action::Release : Action::ToggleRule;
    return {action, same ? listed.window : nullptr, listed.program};
}

bool OnTopMenu::Measure(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || (item.itemData & kTagMask) != kIconTag) return false;
    item.itemWidth = static_cast<UINT>(::GetSystemMetrics(SM_CXSMICON));
    item.itemHeight = static_cast<UINT>(::GetSystemMetrics(SM_CYSMICON));
    return true;
}

bool OnTopMenu::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || (item.itemData & kTagMask) != kIconTag) return false;
    const std::size_t index = item.itemData & ~kTagMask;
    if (index < m_windows.size()) {
        // A window without an icon shows the system's (IDI_APPLICATION), as its taskbar button would.
        HICON icon =
            m_windows[index].icon != nullptr ? m_windows[index].icon : ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
        const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
        const RECT& area = item.rcItem;
        ::DrawIconEx(item.hDC, area.left, (area.top + area.bottom - cy) / 2, icon, cx, cy, 0, nullptr, DI_NORMAL);
    }
    return true;
}
