#include "common/ShellOpen.h"

#include "common/UniqueHandle.h"

static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60, "the launch record of a 32-bit build is 60 bytes");

bool ShellOpen(const char* file, ULONG mask, int showCommand) {
    SHELLEXECUTEINFOA launch = {};
    launch.cbSize = sizeof(launch);
    launch.fMask = mask;
    launch.lpVerb = "open";
    launch.lpFile = file;
    launch.nShow = showCommand;
    const bool opened = ::ShellExecuteExA(&launch) != FALSE;
    const UniqueKernelHandle started(launch.hProcess);
    return opened;
}
