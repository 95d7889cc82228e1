#include "InstanceWait.h"
#include "RequestReader.h"
#include "Restart.h"
#include "TargetCommit.h"

#include <windows.h>

// Exit codes: 0 done or nothing to update; 1 no usable request or the
// commit failed. Nobody reads them but tests; nothing is ever shown.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    TargetRequest request;
    if (!ReadUpdateRequest(request))
        return 1;

    WaitForMainInstance();

    switch (CommitHotkey(request.path.c_str(), request.modifiers, request.virtualKey)) {
    case CommitResult::TargetNotOpened:
        return 0;
    case CommitResult::Failed:
        return 1;
    case CommitResult::Committed:
        break;
    }
    RestartTarget(request.path.c_str());
    return 0;
}
