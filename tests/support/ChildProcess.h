#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace testsupport {

// A started program. One still running when the object goes is ended by
// force, so that no failed test leaves processes behind.
class ChildProcess {
public:
    // How the child starts, beyond its command line.
    struct Options {
        // Its working directory; empty: this process's.
        std::wstring folder;
        // A file made afresh for its standard output and error; empty: it
        // writes to this process's.
        std::wstring outputFile;
        // A variable set in the environment it inherits; none when the name
        // is empty.
        std::wstring variableName;
        std::wstring variableValue;
    };

    // Runs program with arguments appended to its quoted path.
    static ChildProcess Start(const std::wstring& program, const std::wstring& arguments = {},
                              const Options& options = {});
    // The same for a program and arguments in the ANSI code page.
    static ChildProcess Start(const std::string& program, const std::string& arguments = {},
                              const Options& options = {});

    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(ChildProcess&&) noexcept = default;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD StartError() const { return m_startError; }
    DWORD Pid() const { return m_pid; }
    DWORD MainThreadId() const { return m_tid; }
    HANDLE Handle() const { return m_process.get(); }  // borrowed: owned by this object

    bool Running() const;
    // Waits (see WaitUntil) until the process has ended; false on time-out
    // and when none was started.
    bool WaitForExit(DWORD timeoutMs) const;
    // STILL_ACTIVE while the process runs, and when none was started.
    DWORD ExitCode() const;
    // Ends the process by force and waits until it has.
    void Kill();

private:
    UniqueKernelHandle m_process;
    DWORD m_pid = 0;
    DWORD m_tid = 0;
    DWORD m_startError = 0;
};

}  // namespace testsupport
