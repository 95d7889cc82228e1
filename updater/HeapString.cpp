#include "updater/HeapString.h"

#include <cstdlib>
#include <cstring>

HeapString::~HeapString() { std::free(m_data); }

HeapString::HeapString(HeapString&& other) noexcept : m_data(other.m_data) { other.m_data = nullptr; }

HeapString& HeapString::operator=(HeapString&& other) noexcept {
    if (this != &other) {
        std::free(m_data);
        m_data = other.m_data;
        other.m_data = nullptr;
    }
    return *this;
}

bool HeapString::CopyOf(const char* bytes, std::size_t length, HeapString& out) {
    if (length + 1 == 0) return false;
    char* data = static_cast<char*>(std::malloc(length + 1));
    if (data == nullptr) return false;
    if (length != 0) std::memcpy(data, bytes, length);
    data[length] = '\0';
    std::free(out.m_data);
    out.m_data = data;
    return true;
}
