#include "updater/FileCopy.h"

#include "common/UniqueHandle.h"

bool CopyIntoFile(HANDLE source, const char* destination) {
    UniqueKernelHandle out(
        CreateFileA(destination, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) return false;
    // On the stack: a static buffer would land in the file's data section.
    char buffer[16 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(source, buffer, sizeof(buffer), &read, nullptr)) return false;
        if (read == 0) break;
        DWORD written = 0;
        if (!WriteFile(out.get(), buffer, read, &written, nullptr) || written != read) return false;
    }
    return FlushFileBuffers(out.get()) != FALSE;
}

bool FlushFileToDisk(const char* path) {
    UniqueKernelHandle file(
        CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get()) != FALSE;
}
