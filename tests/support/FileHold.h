#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "common/UniqueHandle.h"

namespace testsupport {

// Another process's hold on a file, as Windows holds the image of a running
// program or a virus scanner a file just written: shared only as share says
// (by default nobody may write, rename or delete it) until the hold is
// released, from a thread of its own, after holdMs.
class FileHold {
public:
    FileHold(const std::wstring& path, DWORD holdMs, DWORD share = FILE_SHARE_READ);
    ~FileHold();
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;

    bool Held() const { return m_held; }

private:
    UniqueKernelHandle m_handle;
    bool m_held;
    std::thread m_release;
};

}  // namespace testsupport
