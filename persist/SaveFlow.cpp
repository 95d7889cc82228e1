#include "persist/SaveFlow.h"

#include <shellapi.h>

#include "common/SharedContract.h"
#include "persist/ResourceFile.h"
#include "persist/UpdateRequestWriter.h"

static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60, "the launch record of a 32-bit build is 60 bytes");

bool SaveHotkeyRequest(HMODULE module, UINT updaterId, const SaveFlowPaths& paths, const HotkeySetting& hotkey,
                       SaveFailureReport report) {
    // A failed extraction is reported but not final: an updater left by an
    // earlier save may still take the request.
    if (!ExtractResourceToFile(module, updaterId, contract::kUpdaterResourceType, paths.updater, true))
        report("Extract Error!");

    UpdateRequestWriter writer;
    if (!writer.Open(paths.updater)) {
        report("Open File Resource Failed!");
        return false;
    }
    if (!writer.AddRequest(hotkey.modifiers, hotkey.virtualKey, paths.target)) report("Could not Update resource!");
    if (!writer.Commit()) {
        report("Could not write changes to file.");
        return false;
    }
    return true;
}

void LaunchUpdater(const char* updaterPath) {
    SHELLEXECUTEINFOA launch = {};
    launch.cbSize = sizeof(launch);
    launch.fMask = SEE_MASK_NOCLOSEPROCESS;
    launch.lpVerb = "open";
    launch.lpFile = updaterPath;
    launch.nShow = SW_SHOWNORMAL;
    if (::ShellExecuteExA(&launch) && launch.hProcess != nullptr) ::CloseHandle(launch.hProcess);
}
