#include "app/SeeThroughWindows.h"

#include <utility>

#include "app/ForeignWindow.h"
#include "app/LayeredChange.h"

SeeThroughWindows::SeeThroughWindows() {
    // Only XP and later have it.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");  // borrowed: loaded for the process's life
    if (user32 == nullptr) return;
    m_getAttributes = reinterpret_cast<GetAttributesFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "GetLayeredWindowAttributes")));
}

void SeeThroughWindows::ReportTo(HWND owner, UINT message) {
    m_owner = owner;
    m_message = message;
}

SeeThroughWindows::Observation SeeThroughWindows::Observe(HWND window, bool recorded) const {
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
    seen.action = DecideSeeThrough({foreign_window::ProcessOf(window) == ::GetCurrentProcessId(),
                                    window == ::GetDesktopWindow(), className, seen.exStyle, recorded, reading, flags});
    return seen;
}

void SeeThroughWindows::ForgetGone() {
    for (std::size_t i = m_records.size(); i-- > 0;) {
        const Record& record = m_records[i];
        if (!::IsWindow(record.window) || foreign_window::ProcessOf(record.window) != record.process)
            m_records.erase(m_records.begin() + i);
    }
}

SeeThroughWindows::Record* SeeThroughWindows::Find(HWND window) {
    for (Record& record : m_records) {
        if (record.window == window) return &record;
    }
    return nullptr;
}

SeeThroughWindows::StepStart SeeThroughWindows::Step(HWND window) {
    if (window == nullptr) return StepStart::LeftAlone;
    ForgetGone();
    Record* record = Find(window);
    // What the window will look like is not known until its last change
    // lands; its report is on its way once it has.
    if (record != nullptr && record->ticket != 0) return StepStart::StillWaiting;
    const Observation seen = Observe(window, record != nullptr);
    if (seen.action == SeeThroughAction::LeaveAlone) return StepStart::LeftAlone;
    if (seen.action == SeeThroughAction::Begin) {
        // A record left from a round its own program ended starts afresh.
        if (record == nullptr) {
            m_records.emplace_back();
            record = &m_records.back();
        }
        record->window = window;
        record->process = foreign_window::ProcessOf(window);
        record->originalExStyle = seen.exStyle;
        record->alpha = kOpaqueAlpha;
        if (StartChange(*record, seen.exStyle, seen.exStyle | WS_EX_LAYERED, NextSeeThroughAlpha(kOpaqueAlpha)))
            return StepStart::Started;
        m_records.erase(m_records.begin() + (record - m_records.data()));
        return StepStart::NotStarted;
    }
    const BYTE next = NextSeeThroughAlpha(seen.alphaRead ? seen.alpha : record->alpha);
    const DWORD styleAfter =
        next == kOpaqueAlpha ? RestoredExStyle(seen.exStyle, record->originalExStyle) : seen.exStyle;
    return StartChange(*record, seen.exStyle, styleAfter, next) ? StepStart::Started : StepStart::NotStarted;
}

bool SeeThroughWindows::StartChange(Record& record, DWORD styleNow, DWORD styleAfter, BYTE alpha) {
    if (++m_lastTicket == 0) ++m_lastTicket;
    UniqueKernelHandle thread =
        StartLayeredChange({record.window, styleNow, styleAfter, alpha, m_owner, m_message, m_lastTicket});
    if (!thread) return false;
    record.ticket = m_lastTicket;
    record.pendingAlpha = alpha;
    record.change = std::move(thread);
    return true;
}

HWND SeeThroughWindows::Finish(UINT ticket, DWORD error) {
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        Record& record = m_records[i];
        if (ticket == 0 || record.ticket != ticket) continue;
        const HWND window = record.window;
        record.ticket = 0;
        record.change.reset();
        if (error == 0) record.alpha = record.pendingAlpha;
        // Opaque again, or never see-through: nothing left to give back.
        if (record.alpha == kOpaqueAlpha) m_records.erase(m_records.begin() + i);
        return error == 0 ? nullptr : window;
    }
    // Forgotten since: the window went.
    return nullptr;
}

void SeeThroughWindows::RestoreAll(DWORD boundMs) {
    const DWORD started = ::GetTickCount();
    for (Record& record : m_records) {
        // A change still on its way is left to a program that has not taken
        // it: its result was handled before any later command.
        record.change.reset();
        if (record.ticket != 0 || record.alpha == kOpaqueAlpha || !::IsWindow(record.window) ||
            foreign_window::ProcessOf(record.window) != record.process)
            continue;
        const Observation seen = Observe(record.window, true);
        if (seen.action != SeeThroughAction::Step) continue;
        record.change =
            StartLayeredChange({record.window, seen.exStyle, RestoredExStyle(seen.exStyle, record.originalExStyle),
                                kOpaqueAlpha, nullptr, 0, 0});
    }
    for (const Record& record : m_records) {
        if (!record.change) continue;
        const DWORD elapsed = ::GetTickCount() - started;
        ::WaitForSingleObject(record.change.get(), elapsed < boundMs ? boundMs - elapsed : 0);
    }
    m_records.clear();
}
