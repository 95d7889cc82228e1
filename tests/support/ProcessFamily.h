#pragma once

#include <windows.h>

#include <map>

#include "common/UniqueHandle.h"

namespace testsupport {

// The processes a test started and every process they started in turn: the
// updater a save starts, the program the updater restarts. Under Wine a new
// process shows its file name only once it has started up, so members are
// followed by their parent links, never by name.
//
// Each member is held open: the system may give an ended process's id to an
// unrelated one, which would then count as running, and its children as
// members, while the id is free.
class ProcessFamily {
public:
    void Add(DWORD pid);
    // Takes in the children of known members; true while any member runs.
    bool AnyRunning();

private:
    std::map<DWORD, UniqueKernelHandle> m_members;  // an empty handle: ended before it was opened
};

}  // namespace testsupport
