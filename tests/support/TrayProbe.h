#pragma once

#include <windows.h>

namespace testsupport {

// Asks the shell whether a notification-area icon exists: modifying an icon
// with no fields to change succeeds exactly when the shell holds one for
// that window and id (checked under Wine for present, never added, deleted
// and owner gone).
class TrayProbe {
public:
    static bool IconExists(HWND owner, UINT id);
};

}  // namespace testsupport
