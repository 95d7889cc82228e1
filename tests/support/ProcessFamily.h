#pragma once

#include <windows.h>

#include <map>
#include <string>

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
//
// Programs from the Windows folder are no members: Wine starts its service
// manager, with the device and RPC hosts under it, from whichever process
// first needs them, and they serve the whole session.
class ProcessFamily {
public:
    void Add(DWORD pid);
    // Takes in the children of known members; true while any member runs.
    bool AnyRunning();
    // The members still running, as "name (id, parent id)", for a failure
    // message.
    std::string DescribeRunning();

private:
    struct Member {
        UniqueKernelHandle process;      // empty: ended before it was opened
        bool fromWindowsFolder = false;  // known once the process has started up
    };
    static bool Counts(Member& member);

    std::map<DWORD, Member> m_members;
};

}  // namespace testsupport
