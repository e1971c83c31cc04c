#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: abort so that the fuzzer keeps the input.
inline void fuzzCheck(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
