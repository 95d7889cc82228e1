#include "tests/unit/persist/ChildProcess.h"

#include <vector>

ChildProcess::~ChildProcess()
{
    Close();
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : m_process(other.m_process)
{
    other.m_process = nullptr;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other) {
        Close();
        m_process = other.m_process;
        other.m_process = nullptr;
    }
    return *this;
}

ChildProcess ChildProcess::Start(const std::string& program, const std::string& arguments)
{
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof(info));
    ChildProcess child;
    if (CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        child.m_process = info.hProcess;
    }
    return child;
}

bool ChildProcess::Wait(DWORD timeoutMs) const
{
    return m_process != nullptr && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_process != nullptr)
        GetExitCodeProcess(m_process, &code);
    return code;
}

void ChildProcess::Close()
{
    if (m_process == nullptr)
        return;
    if (WaitForSingleObject(m_process, 0) != WAIT_OBJECT_0) {
        TerminateProcess(m_process, 255);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
    m_process = nullptr;
}
