// The windows of other programs that this one made see-through, each with
// the extended style it had, so that it can be given back. Held in memory
// only: what a right-drag changed lasts as long as the program.
#pragma once
#include <windows.h>

#include <vector>

#include "app/SeeThroughRules.h"

class SeeThroughWindows {
public:
    SeeThroughWindows();
    SeeThroughWindows(const SeeThroughWindows&) = delete;
    SeeThroughWindows& operator=(const SeeThroughWindows&) = delete;

    // Takes the top-level window one step through the opacities, unless the
    // rules leave it alone; false when nothing changed.
    bool Step(HWND window);
    // Every window still see-through by this program's hand gets its own
    // look back; those closed since are skipped.
    void RestoreAll();

private:
    using GetAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);

    struct Record {
        HWND window;  // borrowed: another program's window, checked before each use
        DWORD originalExStyle;
        BYTE alpha;  // the last one set
    };
    struct Observation {
        SeeThroughAction action;
        DWORD exStyle;
        bool alphaRead;
        BYTE alpha;
    };

    Observation Observe(HWND window, bool recorded) const;
    Record* Find(HWND window);
    bool Begin(HWND window, DWORD exStyle);
    bool TakeNextStep(Record& record, BYTE current, DWORD exStyle);
    bool Restore(const Record& record, DWORD exStyle);

    GetAttributesFunction m_getAttributes = nullptr;
    std::vector<Record> m_records;
};
