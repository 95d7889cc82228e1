// The way out with a changed hotkey: the updater program is written next to
// the executable with the new hotkey and the executable's path in its
// resources, then started; it rewrites the executable once this process has
// ended.
#pragma once
#include <windows.h>

#include "persist/HotkeySetting.h"
#include "persist/PinRules.h"

// Both null when the executable's own path did not fit: there is no place
// for the updater then, which is reported as an updater that cannot be
// written, and nothing is written anywhere else.
struct SaveFlowPaths {
    const char* updater = nullptr;  // where the updater is written and started from
    const char* target = nullptr;   // the executable the updater rewrites
};

// Tells the user of one failed step; the flow goes on or stops as each step
// requires, so the calls come in the order of the steps.
using SaveFailureReport = void (*)(const char* message);

// Writes the updater (resource EXE/id of module) to paths.updater and the
// request into it: the hotkey, and the rules when changedRules is not null
// (borrowed for the call). Null means the rules did not change, and the
// request then holds none, so the program's stored rules stay byte for byte.
// True when the request was committed to the file.
bool SaveHotkeyRequest(HMODULE module, UINT updaterId, const SaveFlowPaths& paths, const HotkeySetting& hotkey,
                       const PinRules* changedRules, SaveFailureReport report);
