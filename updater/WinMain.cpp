#include "updater/InstanceWait.h"
#include "updater/RequestReader.h"
#include "updater/TargetCommit.h"

#include "common/BusyRetry.h"
#include "common/ShellOpen.h"

#include <windows.h>

namespace {

// The whole run ends within this, the wait for the main program (20 s at
// most) included: once that program has gone, a scanner still reading the
// target, or a system slow to let go of the image, has 10 s or more.
const DWORD kLongestRunMs = 30000;

}  // namespace

// Exit codes: 0 done or nothing to update; 1 no usable request or the
// commit failed. Nobody reads them but tests; nothing is ever shown.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const Deadline deadline(GetTickCount(), kLongestRunMs);
    TargetRequest request;
    if (!ReadUpdateRequest(request)) return 1;

    WaitForMainInstance(deadline);

    switch (CommitHotkey(request.path.c_str(), request.modifiers, request.virtualKey, request.pinRules, deadline)) {
    case CommitResult::TargetNotOpened:
        return 0;
    case CommitResult::Failed:
        return 1;
    case CommitResult::Committed:
        break;
    }
    // As a user's double click would; the started program is not waited for.
    ShellOpen(request.path.c_str(), SEE_MASK_NOCLOSEPROCESS, SW_SHOWNORMAL);
    return 0;
}
