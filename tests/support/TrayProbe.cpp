#include "tests/support/TrayProbe.h"

#include <shellapi.h>

namespace testsupport {

bool TrayProbe::IconExists(HWND owner, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = id;
    data.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

}  // namespace testsupport
