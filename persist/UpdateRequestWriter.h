// Writes an update request into the updater file's resources, step by step,
// so that the caller can report each failure in its turn.
#pragma once
#include <windows.h>

#include <cstdint>

class UpdateRequestWriter {
public:
    UpdateRequestWriter() = default;
    // An update that was opened but not committed is discarded.
    ~UpdateRequestWriter();
    UpdateRequestWriter(const UpdateRequestWriter&) = delete;
    UpdateRequestWriter& operator=(const UpdateRequestWriter&) = delete;

    // Opens the file for resource updating, keeping its existing resources.
    bool Open(const char* path);
    // Adds or replaces the four request resources, all of them attempted;
    // true when every one was added.
    bool AddRequest(std::uint32_t modifiers, std::uint32_t virtualKey, const char* targetPath);
    // Writes the updates to the file; the writer is closed either way.
    bool Commit();

private:
    HANDLE m_update = nullptr;
};
