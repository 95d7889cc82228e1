#pragma once

#include <cstddef>

// A zero-terminated byte string on the C runtime's heap, owned alone.
class HeapString {
public:
    HeapString() = default;
    ~HeapString();
    HeapString(HeapString&& other) noexcept;
    HeapString& operator=(HeapString&& other) noexcept;
    HeapString(const HeapString&) = delete;
    HeapString& operator=(const HeapString&) = delete;

    // Copies exactly length bytes and appends a zero. False when out of memory.
    static bool CopyOf(const char* bytes, std::size_t length, HeapString& out);

    bool empty() const { return m_data == nullptr || m_data[0] == '\0'; }
    const char* c_str() const { return m_data != nullptr ? m_data : ""; }

private:
    char* m_data = nullptr;
};
