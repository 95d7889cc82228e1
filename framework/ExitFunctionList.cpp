#include "framework/ExitFunctionList.h"

#include <new>

bool ExitFunctionList::Add(Function function) {
    Block* last = Last();
    if (last->count == static_cast<int>(sizeof(last->functions) / sizeof(last->functions[0]))) {
        void* memory = ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Block));
        if (memory == nullptr) return false;
        Block* block = new (memory) Block;
        block->previous = last;
        m_last = last = block;
    }
    last->functions[last->count++] = function;
    return true;
}

bool ExitFunctionList::Pop(Function* function) {
    Block* last = Last();
    while (last->count == 0 && last != &m_first) {
        Block* previous = last->previous;
        ::HeapFree(::GetProcessHeap(), 0, last);
        m_last = previous == &m_first ? nullptr : previous;
        last = previous;
    }
    if (last->count == 0) return false;
    *function = last->functions[--last->count];
    return true;
}

void ExitFunctionList::RunAll() {
    Function function = nullptr;
    while (Pop(&function)) function();
}
