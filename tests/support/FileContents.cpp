#include "tests/support/FileContents.h"

#include "common/UniqueHandle.h"
#include "tests/support/CodePage.h"

namespace testsupport {

Bytes FileContents::Read(const std::wstring& path) {
    Bytes bytes;
    const UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return bytes;
    unsigned char buffer[16384];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read != 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    return bytes;
}

Bytes FileContents::Read(const std::string& ansiPath) { return Read(FromAnsi(ansiPath)); }

bool FileContents::Write(const std::wstring& path, const void* data, size_t size) {
    const UniqueKernelHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool FileContents::Write(const std::string& ansiPath, const Bytes& bytes) {
    return Write(FromAnsi(ansiPath), bytes.data(), bytes.size());
}

bool FileContents::Exists(const std::string& ansiPath) {
    return GetFileAttributesW(FromAnsi(ansiPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace testsupport
