// Keeps the programs of the rules on top: their open windows when the
// program starts or a rule is made, and each new window as it appears,
// through a window-event hook out of context that only runs while there
// are rules. No timer and no polling: idle, it costs nothing.
#pragma once
#include <windows.h>

#include "app/Pinning.h"
#include "persist/PinRules.h"

class PinRuleKeeper {
public:
    PinRuleKeeper() = default;
    PinRuleKeeper(const PinRuleKeeper&) = delete;
    PinRuleKeeper& operator=(const PinRuleKeeper&) = delete;
    ~PinRuleKeeper() { Stop(); }

    // The rules stored in module; damaged ones are ignored: no rules then.
    void Load(HMODULE module);
    // Pins the open windows of every rule's program and follows new ones.
    void Start(PinRefusal refusal, void* context);
    void Stop();

    const PinRules& Rules() const { return m_rules; }
    bool Changed() const { return m_rules != m_stored; }
    // Adds the rule for the program, and pins the open windows of the rules'
    // programs; or removes it when there is one. At the bound, or for a name
    // no rule may hold, nothing changes.
    void Toggle(const wchar_t* program);
    void Remove(const wchar_t* program);

private:
    static void CALLBACK OnWindowEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                       DWORD thread, DWORD time);
    // Pins the window when it is one a rule takes (WindowSelection.h) and a
    // rule names its program.
    void PinIfRuled(HWND window);
    void PinOpenWindows();
    // Hooks window events while there are rules, and only then.
    void FollowRules();

    PinRules m_rules;
    PinRules m_stored;
    HWINEVENTHOOK m_hook = nullptr;
    PinRefusal m_refusal = nullptr;
    void* m_context = nullptr;
    bool m_started = false;
    // The keeper whose hook runs: a hook's callback is given no object.
    static PinRuleKeeper* s_following;
};
