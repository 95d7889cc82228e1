#include "app/SeeThroughWindows.h"

namespace {

// SetWindowLong answers the previous style, which may be 0 itself.
bool SetExStyle(HWND window, DWORD exStyle) {
    ::SetLastError(0);
    return ::SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle)) != 0 || ::GetLastError() == 0;
}

}  // namespace

SeeThroughWindows::SeeThroughWindows() {
    // Only XP and later have it.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");  // borrowed: loaded for the process's life
    if (user32 == nullptr) return;
    m_getAttributes = reinterpret_cast<GetAttributesFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "GetLayeredWindowAttributes")));
}

SeeThroughWindows::Observation SeeThroughWindows::Observe(HWND window, bool recorded) const {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, 64);
    Observation seen = {};
    seen.exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
    AttributeReading reading = AttributeReading::Unavailable;
    COLORREF key = 0;
    DWORD flags = 0;
    if (m_getAttributes != nullptr) {
        seen.alphaRead = m_getAttributes(window, &key, &seen.alpha, &flags) != FALSE;
        reading = seen.alphaRead ? AttributeReading::Read : AttributeReading::Failed;
    }
    seen.action = DecideSeeThrough({process == ::GetCurrentProcessId(), window == ::GetDesktopWindow(), className,
                                    seen.exStyle, recorded, reading, flags});
    return seen;
}

SeeThroughWindows::Record* SeeThroughWindows::Find(HWND window) {
    for (Record& record : m_records) {
        if (record.window == window) return &record;
    }
    return nullptr;
}

bool SeeThroughWindows::Step(HWND window) {
    if (window == nullptr) return false;
    Record* record = Find(window);
    const Observation seen = Observe(window, record != nullptr);
    switch (seen.action) {
    case SeeThroughAction::LeaveAlone:
        return false;
    case SeeThroughAction::Begin:
        return Begin(window, seen.exStyle);
    case SeeThroughAction::Step:
        return TakeNextStep(*record, seen.alphaRead ? seen.alpha : record->alpha, seen.exStyle);
    }
    return false;
}

bool SeeThroughWindows::Begin(HWND window, DWORD exStyle) {
    const BYTE alpha = NextSeeThroughAlpha(kOpaqueAlpha);
    if (!SetExStyle(window, exStyle | WS_EX_LAYERED)) return false;
    if (!::SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA)) {
        SetExStyle(window, exStyle);
        return false;
    }
    // A record left from a round its own program ended is replaced.
    const Record fresh = {window, exStyle, alpha};
    if (Record* old = Find(window))
        *old = fresh;
    else
        m_records.push_back(fresh);
    return true;
}

bool SeeThroughWindows::TakeNextStep(Record& record, BYTE current, DWORD exStyle) {
    const BYTE next = NextSeeThroughAlpha(current);
    if (next != kOpaqueAlpha) {
        if (!::SetLayeredWindowAttributes(record.window, 0, next, LWA_ALPHA)) return false;
        record.alpha = next;
        return true;
    }
    if (!Restore(record, exStyle)) return false;
    m_records.erase(m_records.begin() + (&record - m_records.data()));
    return true;
}

bool SeeThroughWindows::Restore(const Record& record, DWORD exStyle) {
    if (!SetExStyle(record.window, RestoredExStyle(exStyle, record.originalExStyle))) return false;
    // Layered no more, the window must paint itself again.
    ::RedrawWindow(record.window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    return true;
}

void SeeThroughWindows::RestoreAll() {
    for (const Record& record : m_records) {
        if (!::IsWindow(record.window)) continue;
        const Observation seen = Observe(record.window, true);
        if (seen.action == SeeThroughAction::Step) Restore(record, seen.exStyle);
    }
    m_records.clear();
}
