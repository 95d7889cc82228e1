#include "tests/support/ChildProcess.h"

#include "tests/support/CodePage.h"
#include "tests/support/WaitUntil.h"

#include <optional>
#include <utility>
#include <vector>

namespace testsupport {

namespace {

std::optional<std::wstring> VariableValue(const std::wstring& name) {
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name.c_str(), value.data(), size));
    return value;
}

}  // namespace

ChildProcess ChildProcess::Start(const std::wstring& program, const std::wstring& arguments, const Options& options) {
    ChildProcess child;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::vector<wchar_t> mutableCommand(commandLine.begin(), commandLine.end());
    mutableCommand.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    UniqueKernelHandle output;
    if (!options.outputFile.empty()) {
        SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
        output.reset(CreateFileW(options.outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!output) {
            child.m_startError = GetLastError();
            return child;
        }
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);  // borrowed: this process's own
        startup.hStdOutput = output.get();
        startup.hStdError = output.get();
    }

    // The child copies the environment as it starts: the variable is this
    // process's only for that moment.
    const bool setsVariable = !options.variableName.empty();
    std::optional<std::wstring> previous;
    if (setsVariable) {
        previous = VariableValue(options.variableName);
        SetEnvironmentVariableW(options.variableName.c_str(), options.variableValue.c_str());
    }
    PROCESS_INFORMATION info{};
    const wchar_t* folder = options.folder.empty() ? nullptr : options.folder.c_str();
    const BOOL started = CreateProcessW(program.c_str(), mutableCommand.data(), nullptr, nullptr, output ? TRUE : FALSE,
                                        0, nullptr, folder, &startup, &info);
    child.m_startError = started ? 0 : GetLastError();
    if (setsVariable) SetEnvironmentVariableW(options.variableName.c_str(), previous ? previous->c_str() : nullptr);
    if (!started) return child;

    CloseHandle(info.hThread);
    child.m_process.reset(info.hProcess);
    child.m_pid = info.dwProcessId;
    child.m_tid = info.dwThreadId;
    return child;
}

ChildProcess ChildProcess::Start(const std::string& program, const std::string& arguments, const Options& options) {
    return Start(FromAnsi(program), FromAnsi(arguments), options);
}

ChildProcess::~ChildProcess() { Kill(); }

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        Kill();
        m_process = std::move(other.m_process);
        m_pid = other.m_pid;
        m_tid = other.m_tid;
        m_startError = other.m_startError;
    }
    return *this;
}

bool ChildProcess::Running() const { return m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT; }

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
    return m_process && WaitUntil([this] { return !Running(); }, timeoutMs);
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process) GetExitCodeProcess(m_process.get(), &code);
    return code;
}

void ChildProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(m_process.get(), 1);
    WaitForExit(kActionTimeoutMs);
}

}  // namespace testsupport
