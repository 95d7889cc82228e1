#include "common/StaticConstructors.h"

#include <stddef.h>

// The linker lays out the static constructors between these markers: a -1,
// the functions, a terminating null.
extern "C" void (*__CTOR_LIST__[])();

void RunStaticConstructors() {
    size_t count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr) ++count;
    while (count > 0) __CTOR_LIST__[count--]();
}
