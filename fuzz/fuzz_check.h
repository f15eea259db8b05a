#pragma once
// A check that holds in every build type: a broken invariant prints what
// broke and aborts, which libFuzzer reports as a crash with the input saved.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(bCondition)                                                               \
    do {                                                                                     \
        if (!(bCondition)) {                                                                 \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #bCondition); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)
