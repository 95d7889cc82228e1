// The release build compiles everything without exceptions, yet the C++
// library's own archives are built with them: the first out-of-line string
// member or operator new it links drags in the whole unwinder, the name
// demangler behind the verbose terminate handler, a printf and a thread
// library, four times the size of the utility itself. This file gives the
// linker what it was after in the same form the rest of the program has:
// where the library would throw, and nobody could catch, the process ends
// at once, just as an uncaught exception would have ended it.
//
// Linked into release executables only; builds with exceptions keep the
// library's own definitions.
#include <cstdlib>
#include <new>
#include <string>

#if defined(__cpp_exceptions)
#error "LeanRuntime.cpp replaces the throwing runtime; build it without exceptions"
#endif

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    std::abort();
}

void* operator new[](std::size_t size) { return ::operator new(size); }

// The library's operator delete carries unwind tables, a file section of
// their own for two calls of free.
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace std {

// The library declares these noreturn already, in its own spelling, which
// the standard attribute may not repeat on a later declaration.
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_bad_function_call() { std::abort(); }

// The library's own copies of these are compiled with exception handlers;
// instantiated here, the linker never opens the archive member that holds
// them, and the members nobody calls are collected.
template class basic_string<char>;
template class basic_string<wchar_t>;

}  // namespace std
