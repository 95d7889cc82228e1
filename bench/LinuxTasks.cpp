#include "bench/LinuxTasks.h"

#include <windows.h>

#include <cctype>
#include <vector>

#include "bench/BenchStats.h"
#include "common/UniqueHandle.h"

namespace {

const char kProcRoot[] = "Z:\\proc\\";
// USER_HZ: /proc/PID/stat counts processor time in these ticks.
const double kTicksPerSecond = 100.0;

// The whole of a (small) file; /proc files report size 0, so read to the end.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueKernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    if (!file) return std::nullopt;
    std::string text;
    char buffer[2048];
    DWORD got = 0;
    while (text.size() < (1u << 20) && ::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

std::vector<std::string> NumericEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    UniqueFindHandle search(::FindFirstFileA((folder + "*").c_str(), &entry));
    if (!search) return names;
    do {
        std::string name = entry.cFileName;
        bool numeric = !name.empty();
        for (char c : name) numeric = numeric && c >= '0' && c <= '9';
        if (numeric) names.push_back(name);
    } while (::FindNextFileA(search.get(), &entry));
    return names;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::optional<unsigned> LinuxTasks::FindPid(const std::string& token) {
    const std::string wanted = Lower(token);
    std::optional<unsigned> found;
    for (const std::string& name : NumericEntries(kProcRoot)) {
        std::optional<std::string> commandLine = ReadWholeFile(kProcRoot + name + "\\cmdline");
        if (!commandLine) continue;
        if (Lower(*commandLine).find(wanted) == std::string::npos) continue;
        if (found) return std::nullopt;
        found = static_cast<unsigned>(std::stoul(name));
    }
    return found;
}

std::optional<uint64_t> LinuxTasks::ContextSwitches(unsigned pid) {
    const std::string tasks = kProcRoot + std::to_string(pid) + "\\task\\";
    std::vector<std::string> threads = NumericEntries(tasks);
    if (threads.empty()) return std::nullopt;
    uint64_t total = 0;
    for (const std::string& tid : threads) {
        std::optional<std::string> status = ReadWholeFile(tasks + tid + "\\status");
        if (!status) continue;  // the thread ended between the listing and now
        std::optional<uint64_t> switches = ContextSwitchesFromStatus(*status);
        if (!switches) return std::nullopt;
        total += *switches;
    }
    return total;
}

std::optional<double> LinuxTasks::CpuMs(unsigned pid) {
    std::optional<std::string> stat = ReadWholeFile(kProcRoot + std::to_string(pid) + "\\stat");
    if (!stat) return std::nullopt;
    std::optional<std::pair<uint64_t, uint64_t>> times = ProcessTimesFromStat(*stat);
    if (!times) return std::nullopt;
    return static_cast<double>(times->first + times->second) * 1000.0 / kTicksPerSecond;
}
