// What the two programs, the tools and the benchmark must agree on, and what
// copies of other versions of the program read: resource types and ids, the
// updater's name, the tray icon and the global hotkey. Written once here;
// the instance marker has a home of its own (InstanceMarker.h).
#pragma once
#include <windows.h>

namespace contract {

// The saved hotkey: two 4-byte little-endian resources of the program's own
// executable, in the hotkey control's encoding.
constexpr char kHotkeyResourceType[] = "HOTKEY";
constexpr WORD kHotkeyLanguage = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
constexpr WORD kSavedModifiersId = 141;
constexpr WORD kSavedVirtualKeyId = 143;
// The rules that pin programs, beside the hotkey, of the same type and
// language, in the form persist/PinRulesFormat.h gives. Missing until the
// rules are first saved.
constexpr WORD kSavedPinRulesId = 145;

// The update request that the save flow writes into the updater, of the
// same type and language: both values, the target's path in the ANSI code
// page without a terminating zero, and that path's length. The rules ride
// along only when they changed, in their stored form, and are written into
// the target as they are.
constexpr WORD kRequestModifiersId = 101;
constexpr WORD kRequestVirtualKeyId = 102;
constexpr WORD kRequestPathId = 103;
constexpr WORD kRequestPathLengthId = 104;
constexpr WORD kRequestPinRulesId = 105;

// The updater rides inside the program and is written beside it under this
// name, which a start of the program also takes for a leftover.
constexpr char kUpdaterResourceType[] = "EXE";
constexpr WORD kUpdaterResourceId = 161;
constexpr char kUpdaterFileName[] = "Brisklet.exe";

// The main dialog's tray icon and the message its clicks arrive as.
constexpr UINT kTrayIconId = 128;
constexpr UINT kTrayCallbackMessage = 2025;

// The registration of the pinning hotkey.
constexpr int kPinHotkeyId = 1001;

}  // namespace contract
