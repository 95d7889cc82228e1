// Waiting out a file that another process holds for a moment: a program
// still ending runs from its executable, a scanner reads what was just
// written. Windows refuses such a file for writing, renaming and deleting;
// a later attempt succeeds. Header-only and free of the C++ library, so that
// the updater can use it too.
#pragma once
#include <windows.h>

// A time limit on a millisecond tick that wraps (GetTickCount): elapsed time
// is an unsigned difference, so a wrap inside the limit changes nothing.
class Deadline {
public:
    Deadline(DWORD startMs, DWORD limitMs) : m_start(startMs), m_limit(limitMs) {}

    bool Passed(DWORD nowMs) const { return nowMs - m_start >= m_limit; }
    DWORD RemainingMs(DWORD nowMs) const { return Passed(nowMs) ? 0 : m_limit - (nowMs - m_start); }

private:
    DWORD m_start;
    DWORD m_limit;
};

enum class AttemptResult { Done, Busy, Failed };

// What a failed open, rename or delete of a file means, from the error and
// the file's attributes (INVALID_FILE_ATTRIBUTES where they could not be
// read). Busy while another process holds the file: sharing refused, or
// access denied to a file that is neither read-only nor a folder, which is
// how Windows refuses a running executable. Anything else no wait changes.
inline AttemptResult ClassifyFileFailure(DWORD error, DWORD attributes) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return AttemptResult::Busy;
    if (error != ERROR_ACCESS_DENIED || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return AttemptResult::Failed;
    return AttemptResult::Busy;
}

// The same for the file at path.
inline AttemptResult ClassifyFileFailure(DWORD error, const char* path) {
    return ClassifyFileFailure(error, ::GetFileAttributesA(path));
}

// Runs attempt until it gives Done or Failed, or until the deadline has
// passed, pausing pauseMs (less where the deadline is nearer) between tries.
// The result is the last attempt's: Busy means time ran out. The clock and
// the pause are passed in, so that tests run time instead of waiting for it.
template <class Attempt, class Clock, class Pause>
AttemptResult RetryWhileBusy(Attempt attempt, const Deadline& deadline, DWORD pauseMs, Clock now, Pause pause) {
    for (;;) {
        const AttemptResult result = attempt();
        if (result != AttemptResult::Busy) return result;
        const DWORD remaining = deadline.RemainingMs(now());
        if (remaining == 0) return AttemptResult::Busy;
        pause(remaining < pauseMs ? remaining : pauseMs);
    }
}

// The same on the system's tick and Sleep.
template <class Attempt>
AttemptResult RetryWhileBusy(Attempt attempt, const Deadline& deadline, DWORD pauseMs) {
    return RetryWhileBusy(
        attempt, deadline, pauseMs, [] { return ::GetTickCount(); }, [](DWORD ms) { ::Sleep(ms); });
}
