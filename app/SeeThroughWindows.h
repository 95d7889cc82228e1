// The windows of other programs that this one made see-through, each with
// its program and the extended style it had, so that it can be given back.
// Held in memory only: what a right-drag changed lasts as long as the
// program.
//
// Every change is made on a thread of its own (LayeredChange.h) and reported
// back to the owner window as a message, which it hands to Finish: this
// thread never waits on another program, and the list is changed only here,
// on this thread, never while it is being walked.
#pragma once
#include <windows.h>

#include <vector>

#include "app/SeeThroughRules.h"
#include "common/UniqueHandle.h"

class SeeThroughWindows {
public:
    SeeThroughWindows();
    SeeThroughWindows(const SeeThroughWindows&) = delete;
    SeeThroughWindows& operator=(const SeeThroughWindows&) = delete;

    // Where the changes report, as message(ticket, error).
    void ReportTo(HWND owner, UINT message);

    enum class StepStart {
        Started,
        LeftAlone,     // the rules leave the window as it is
        StillWaiting,  // its last change has not reached it yet
        NotStarted,    // no thread for the change
    };
    // Starts taking the top-level window one step through the opacities.
    StepStart Step(HWND window);
    // The report of a change: error 0 when it was made. Returns the window of
    // a change that failed (null for none), which is then not recorded.
    HWND Finish(UINT ticket, DWORD error);
    // Every window still see-through by this program's hand gets its own
    // look back. Waits for none of them longer than boundMs in all: a window
    // closed since, now another program's, or whose program does not
    // answer, is skipped.
    void RestoreAll(DWORD boundMs);

private:
    using GetAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);

    struct Record {
        HWND window;  // borrowed: another program's window, checked before each use
        DWORD process;
        DWORD originalExStyle;
        BYTE alpha;         // the last one that landed; opaque before the first
        BYTE pendingAlpha;  // the one on its way
        UINT ticket;        // of the change on its way; 0 for none
        UniqueKernelHandle change;
    };
    struct Observation {
        SeeThroughAction action;
        DWORD exStyle;
        bool alphaRead;
        BYTE alpha;
    };

    Observation Observe(HWND window, bool recorded) const;
    // Forgets windows that are gone or whose handle now names another
    // program's window.
    void ForgetGone();
    Record* Find(HWND window);
    bool StartChange(Record& record, DWORD styleNow, DWORD styleAfter, BYTE alpha);

    GetAttributesFunction m_getAttributes = nullptr;
    std::vector<Record> m_records;
    HWND m_owner = nullptr;  // borrowed: the dialog that owns this list
    UINT m_message = 0;
    UINT m_lastTicket = 0;
};
