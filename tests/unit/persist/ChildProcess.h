#pragma once

#include <windows.h>

#include <string>

// A started program; one that is still running when the object goes is
// terminated, so that no failed test leaves processes behind.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Runs program with arguments appended to its quoted path.
    static ChildProcess Start(const std::string& program, const std::string& arguments = "");

    bool started() const { return m_process != nullptr; }
    bool Wait(DWORD timeoutMs) const;  // true once the process has ended
    bool Running() const { return started() && !Wait(0); }
    DWORD ExitCode() const;
    HANDLE handle() const { return m_process; }  // borrowed: owned by this object

private:
    void Close();

    HANDLE m_process = nullptr;
};
