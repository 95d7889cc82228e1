#include "tests/support/FileHold.h"

namespace testsupport {

FileHold::FileHold(const std::wstring& path, DWORD holdMs, DWORD share)
    : m_handle(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (Held()) {
        m_release = std::thread([this, holdMs] {
            Sleep(holdMs);
            CloseHandle(m_handle);
        });
    }
}

FileHold::~FileHold() {
    if (m_release.joinable()) m_release.join();
}

}  // namespace testsupport
