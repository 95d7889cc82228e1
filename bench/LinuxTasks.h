// The Linux kernel's view of a Wine process, read through Wine's Z: drive
// (the Unix root): which Linux process runs a given Windows program, and how
// often its threads were switched out, that is, how often they woke up.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

class LinuxTasks {
public:
    // The Linux process whose command line contains token (compared without
    // regard to case); Wine puts the Windows command line there. Nothing when
    // /proc cannot be read or no process, or more than one, matches.
    static std::optional<unsigned> FindPid(const std::string& token);

    // Context switches summed over all threads of the process.
    static std::optional<uint64_t> ContextSwitches(unsigned pid);

    // Processor time (user plus system) of the process from /proc/PID/stat,
    // in milliseconds, at the kernel's tick resolution.
    static std::optional<double> CpuMs(unsigned pid);
};
