#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <cstdlib>

// A broken invariant aborts: libFuzzer keeps the input as a crash, and the
// replay test fails.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            std::abort();                                                                          \
    } while (0)

// Called at the start of every input; does its work on the first call only.
void prepareFuzzRun();

#endif // FUZZSUPPORT_H
