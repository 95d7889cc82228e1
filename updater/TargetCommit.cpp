#include "updater/TargetCommit.h"

#include "common/ResourceUpdate.h"
#include "common/SharedContract.h"
#include "common/UniqueHandle.h"
#include "persist/UpdateRequest.h"
#include "updater/FileCopy.h"
#include "updater/TargetFolder.h"
#include "updater/TemporaryFile.h"

#include <windows.h>

// EndUpdateResource under Wine truncates the file it commits to and writes
// the new image into it in place (same inode; the file is 0 bytes long for a
// moment, and a run killed during the write left a 150 MB executable cut at
// 61 MB). So the update goes into a copy beside the target, and the copy then
// replaces the target in one rename.

namespace {

bool IsExistingFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Between two tries at a held target.
const DWORD kRetryPauseMs = 200;

// Write access is refused while the target runs or while another process
// holds it without sharing writes. Wine refuses the final rename in both cases
// too (access denied), but waiting here first makes no copy while it is held.
AttemptResult LockTarget(const char* target, UniqueKernelHandle& lock) {
    HANDLE handle = CreateFileA(target, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return ClassifyFileFailure(GetLastError(), target);
    lock = UniqueKernelHandle(handle);
    return AttemptResult::Done;
}

// A holder that came after the lock went, or that shares writes but not
// deletion, shows only here.
AttemptResult ReplaceTarget(const char* copy, const char* target) {
    if (MoveFileExA(copy, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return AttemptResult::Done;
    return ClassifyFileFailure(GetLastError(), target);
}

// A saved hotkey value, as 4 bytes little-endian.
bool PutHotkeyValue(ResourceUpdate& update, WORD id, std::uint32_t value) {
    const DwordBytes bytes = EncodeDword(value);
    return update.Put(contract::kHotkeyResourceType, id, contract::kHotkeyLanguage, bytes.bytes, sizeof(bytes.bytes));
}

CommitResult UpdateCopy(const char* copy, std::uint32_t modifiers, std::uint32_t virtualKey,
                        const ResourceView& pinRules) {
    ResourceUpdate update;
    if (!update.Open(copy)) return CommitResult::TargetNotOpened;
    // A value not taken would leave the old one in a file that looks updated:
    // the update is discarded instead, and the target stays as it was.
    if (!PutHotkeyValue(update, contract::kSavedModifiersId, modifiers) ||
        !PutHotkeyValue(update, contract::kSavedVirtualKeyId, virtualKey) ||
        (pinRules && !update.Put(contract::kHotkeyResourceType, contract::kSavedPinRulesId, contract::kHotkeyLanguage,
                                 pinRules.data, static_cast<DWORD>(pinRules.size))))
        return CommitResult::Failed;
    if (!update.Commit() || !FlushFileToDisk(copy)) return CommitResult::Failed;
    return CommitResult::Committed;
}

}  // namespace

CommitResult CommitHotkey(const char* target, std::uint32_t modifiers, std::uint32_t virtualKey,
                          const ResourceView& pinRules, const Deadline& deadline) {
    if (!IsExistingFile(target)) return CommitResult::TargetNotOpened;
    UniqueKernelHandle lock;
    if (RetryWhileBusy([&] { return LockTarget(target, lock); }, deadline, kRetryPauseMs) != AttemptResult::Done)
        return CommitResult::Failed;

    char folder[MAX_PATH];
    TemporaryFile copy;
    if (!TargetFolderOf(target, IsAnsiLeadByte, folder, sizeof(folder)) || !copy.CreateIn(folder) ||
        !CopyIntoFile(lock.get(), copy.path()))
        return CommitResult::Failed;

    const CommitResult updated = UpdateCopy(copy.path(), modifiers, virtualKey, pinRules);
    if (updated != CommitResult::Committed) return updated;

    // The rename needs the target closed. Given up, the copy goes with the
    // TemporaryFile.
    lock.reset();
    if (RetryWhileBusy([&] { return ReplaceTarget(copy.path(), target); }, deadline, kRetryPauseMs) !=
        AttemptResult::Done)
        return CommitResult::Failed;
    copy.Release();
    return CommitResult::Committed;
}
