#include "tests/support/FileHold.h"

namespace testsupport {

FileHold::FileHold(const std::wstring& path, DWORD holdMs, DWORD share)
    : m_handle(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
      m_held(static_cast<bool>(m_handle)) {
    if (m_held) {
        m_release = std::thread([this, holdMs] {
            Sleep(holdMs);
            m_handle.reset();
        });
    }
}

FileHold::~FileHold() {
    if (m_release.joinable()) m_release.join();
}

}  // namespace testsupport
