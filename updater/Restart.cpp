#include "updater/Restart.h"

#include "common/UniqueHandle.h"

#include <windows.h>
#include <shellapi.h>

void RestartTarget(const char* path) {
    SHELLEXECUTEINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = path;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
    // Nobody waits for the restarted program; only the handle must not leak.
    UniqueKernelHandle started(info.hProcess);
}
