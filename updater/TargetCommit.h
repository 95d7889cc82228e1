#pragma once

#include "common/BusyRetry.h"
#include "common/ResourceView.h"

#include <cstdint>

enum class CommitResult {
    Committed,
    TargetNotOpened,  // missing, a folder, or not an executable: left alone
    Failed,           // held past the deadline, unwritable, a value not taken, disk full: left alone
};

// Writes modifiers and virtualKey into HOTKEY/141 and HOTKEY/143 of the
// executable at target, and the bytes of pinRules, unless it is missing, into
// HOTKEY/145. A target another process holds is tried again until deadline.
// Whatever happens, target is afterwards either exactly as before or
// completely updated.
CommitResult CommitHotkey(const char* target, std::uint32_t modifiers, std::uint32_t virtualKey,
                          const ResourceView& pinRules, const Deadline& deadline);
