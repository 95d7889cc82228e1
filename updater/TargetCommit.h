#pragma once

#include <cstdint>

enum class CommitResult {
    Committed,
    TargetNotOpened,  // missing, a folder, or not an executable: left alone
    Failed,           // in use, unwritable, disk full: left alone
};

// Writes modifiers and virtualKey into HOTKEY/141 and HOTKEY/143 of the
// executable at target. Whatever happens, target is afterwards either exactly
// as before or completely updated.
CommitResult CommitHotkey(const char* target, std::uint32_t modifiers, std::uint32_t virtualKey);
