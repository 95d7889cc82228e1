#include "app/PinRuleKeeper.h"

#include "app/ForeignWindow.h"
#include "app/Pinning.h"
#include "app/WindowSelection.h"
#include "persist/PinRulesFormat.h"

PinRuleKeeper* PinRuleKeeper::s_following = nullptr;

void PinRuleKeeper::Load(HMODULE module) {
    ReadStoredPinRules(module, m_stored);
    m_rules = m_stored;
}

void PinRuleKeeper::Start(PinRefusal refusal, void* context) {
    m_refusal = refusal;
    m_context = context;
    m_started = true;
    PinOpenWindows();
    FollowRules();
}

void PinRuleKeeper::PinOpenWindows() {
    if (m_rules.Count() == 0) return;
    for (HWND window : foreign_window::TopLevelWindows()) PinIfRuled(window);
}

void PinRuleKeeper::Stop() {
    m_started = false;
    FollowRules();
}

void PinRuleKeeper::Toggle(const wchar_t* program) {
    if (m_rules.Remove(program)) {
        FollowRules();
        return;
    }
    if (m_rules.Add(program) != PinRuleChange::Done) return;
    PinOpenWindows();
    FollowRules();
}

void PinRuleKeeper::Remove(const wchar_t* program) {
    m_rules.Remove(program);
    FollowRules();
}

void PinRuleKeeper::FollowRules() {
    const bool follow = m_started && m_rules.Count() > 0;
    if (follow == (m_hook != nullptr)) return;
    if (!follow) {
        ::UnhookWinEvent(m_hook);
        m_hook = nullptr;
        s_following = nullptr;
        return;
    }
    // A window created hidden is caught when it is shown.
    m_hook = ::SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, OnWindowEvent, 0, 0,
                               WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (m_hook != nullptr) s_following = this;
}

void CALLBACK PinRuleKeeper::OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                                           DWORD) {
    if (event == EVENT_OBJECT_DESTROY || object != OBJID_WINDOW || child != CHILDID_SELF || s_following == nullptr)
        return;
    s_following->PinIfRuled(window);
}

void PinRuleKeeper::PinIfRuled(HWND window) {
    if (::GetAncestor(window, GA_PARENT) != ::GetDesktopWindow()) return;
    wchar_t className[64];
    const WindowTraits traits = foreign_window::Traits(window, className);
    // One on top already, by whoever's hand, stays as it is.
    if (!TakenByRule(traits) || (traits.exStyle & WS_EX_TOPMOST) != 0) return;
    wchar_t program[MAX_PATH];
    if (!foreign_window::ProgramName(foreign_window::ProcessOf(window), program)) return;
    if (!m_rules.Contains(program)) return;
    const DWORD error = SetTopmost(window, true);
    if (error != 0 && m_refusal != nullptr) m_refusal(m_context, window, true, error);
}
