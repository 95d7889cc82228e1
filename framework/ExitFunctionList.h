// The functions a process runs when it ends, last registered first: static
// destructors register here. Past its first block the list grows on the
// process heap, so no registration is dropped while memory lasts. Usable
// before any constructor has run: a static instance is constant-initialised.
#pragma once
#include <windows.h>

class ExitFunctionList {
public:
    using Function = void (*)();

    constexpr ExitFunctionList() = default;
    ExitFunctionList(const ExitFunctionList&) = delete;
    ExitFunctionList& operator=(const ExitFunctionList&) = delete;

    // False only when the heap has no room for another block.
    bool Add(Function function);
    // Runs every function, last registered first, until none is left; one
    // that registers another while the list runs has it run too.
    void RunAll();

private:
    struct Block {
        Block* previous = nullptr;
        int count = 0;
        Function functions[32] = {};
    };

    Block* Last() { return m_last != nullptr ? m_last : &m_first; }
    bool Pop(Function* function);

    Block m_first;
    Block* m_last = nullptr;  // null while only m_first is in use
};
