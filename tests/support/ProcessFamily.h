#pragma once

#include <windows.h>

#include <set>

namespace e2e {

// The processes a test started and every process they started in turn: the
// updater a save starts, the program the updater restarts. Under Wine a new
// process shows its file name only once it has started up, so members are
// followed by their parent links, never by name.
class ProcessFamily {
public:
    void Add(DWORD pid) { m_members.insert(pid); }
    // Takes in the children of known members; true while any member runs.
    bool AnyRunning();

private:
    std::set<DWORD> m_members;
};

}  // namespace e2e
