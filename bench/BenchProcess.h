// One program under measurement. It runs from a copy in a fresh folder of its
// own, as a user's copy would, and the copy and folder go away with this
// object; a process still running then is terminated.
#pragma once
#include <windows.h>

#include <string>

#include "common/UniqueHandle.h"

class BenchProcess {
public:
    BenchProcess() = default;
    ~BenchProcess();
    BenchProcess(const BenchProcess&) = delete;
    BenchProcess& operator=(const BenchProcess&) = delete;

    // Copies exe into folder (created here, must not exist) and starts the
    // copy, with arguments after its name on the command line. On failure
    // returns false and says why in error.
    bool Start(const std::wstring& exe, const std::wstring& folder, std::string* error,
               const std::wstring& arguments = std::wstring());

    DWORD Id() const { return m_id; }
    HANDLE Process() const { return m_process.get(); }
    // Performance counter read just before the process was created.
    LONGLONG CreatedAt() const { return m_createdAt; }
    bool Running() const;

    // Polls the top-level windows of this process for the instance marker
    // (and, if asked, visibility) until found, the process ends or limitMs
    // pass. Returns the window or null; seenAt gets the counter when found.
    HWND WaitForMarkedWindow(bool mustBeVisible, DWORD limitMs, LONGLONG* seenAt) const;

    // Posts the exit command to the marked window and waits for the process
    // to end. False (and the process terminated) when it did not end in time.
    bool Quit(HWND marked, DWORD limitMs);

    // User plus kernel processor time so far, in milliseconds; negative when
    // the system does not tell.
    double CpuMs() const;

private:
    void RemoveCopy();

    UniqueKernelHandle m_process;
    DWORD m_id = 0;
    std::wstring m_folder;
    std::wstring m_copy;
    LONGLONG m_createdAt = 0;
};
