#include "bench/BenchProcess.h"

#include "bench/Clock.h"
#include "common/InstanceMarker.h"
#include "res/resource.h"

namespace {

const UINT kExitCommand = ID_TRAY_EXIT;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c < 0x80) ? static_cast<char>(c) : '?';
    return out;
}

struct MarkedSearch {
    DWORD processId;
    bool mustBeVisible;
    HWND found;
};

BOOL CALLBACK FindMarked(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<MarkedSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId) return TRUE;
    if (!InstanceMarker::IsMarked(hwnd)) return TRUE;
    if (search->mustBeVisible && !::IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

BenchProcess::~BenchProcess() {
    if (Running()) {
        ::TerminateProcess(m_process.get(), 1);
        ::WaitForSingleObject(m_process.get(), 5000);
    }
    m_process.reset();
    RemoveCopy();
}

bool BenchProcess::Start(const std::wstring& exe, const std::wstring& folder, std::string* error,
                         const std::wstring& arguments) {
    if (!::CreateDirectoryW(folder.c_str(), nullptr)) {
        *error = "cannot create " + Narrow(folder);
        return false;
    }
    m_folder = folder;
    size_t slash = exe.find_last_of(L"\\/");
    m_copy = folder + L"\\" + (slash == std::wstring::npos ? exe : exe.substr(slash + 1));
    if (!::CopyFileW(exe.c_str(), m_copy.c_str(), TRUE)) {
        *error = "cannot copy " + Narrow(exe) + " to " + Narrow(m_copy);
        m_copy.clear();
        return false;
    }
    std::wstring commandLine = L"\"" + m_copy + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    m_createdAt = ClockNow();
    if (!::CreateProcessW(m_copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &info)) {
        *error = "cannot start " + Narrow(m_copy) + " (error " + std::to_string(::GetLastError()) + ")";
        return false;
    }
    ::CloseHandle(info.hThread);
    m_process = UniqueKernelHandle(info.hProcess);
    m_id = info.dwProcessId;
    return true;
}

bool BenchProcess::Running() const { return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT; }

HWND BenchProcess::WaitForMarkedWindow(bool mustBeVisible, DWORD limitMs, LONGLONG* seenAt) const {
    const LONGLONG start = ClockNow();
    for (;;) {
        MarkedSearch search = {m_id, mustBeVisible, nullptr};
        ::EnumWindows(FindMarked, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            if (seenAt != nullptr) *seenAt = ClockNow();
            return search.found;
        }
        if (!Running() || ClockMs(ClockNow() - start) > limitMs) return nullptr;
        // A millisecond between looks bounds the error of the reading while
        // leaving the processor to the program being measured.
        ::Sleep(1);
    }
}

bool BenchProcess::Quit(HWND marked, DWORD limitMs) {
    if (!m_process) return false;
    if (marked != nullptr) ::PostMessageW(marked, WM_COMMAND, MAKEWPARAM(kExitCommand, 0), 0);
    if (::WaitForSingleObject(m_process.get(), limitMs) == WAIT_OBJECT_0) return true;
    ::TerminateProcess(m_process.get(), 1);
    ::WaitForSingleObject(m_process.get(), 5000);
    return false;
}

double BenchProcess::CpuMs() const {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(m_process.get(), &created, &exited, &kernel, &user)) return -1.0;
    auto value = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    // FILETIME counts 100 ns units.
    return (value(kernel) + value(user)) / 10000.0;
}

void BenchProcess::RemoveCopy() {
    if (!m_copy.empty()) {
        // The image may stay locked for a moment after the process ended.
        for (int attempt = 0; attempt < 50 && !::DeleteFileW(m_copy.c_str()); ++attempt) {
            if (::GetFileAttributesW(m_copy.c_str()) == INVALID_FILE_ATTRIBUTES) break;
            ::Sleep(20);
        }
        m_copy.clear();
    }
    if (!m_folder.empty()) {
        ::RemoveDirectoryW(m_folder.c_str());
        m_folder.clear();
    }
}
