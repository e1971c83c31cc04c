#include "Screenshots.h"

#include <windows.h>

#include <cstdio>

namespace {
// The page is on screen before it has painted itself.
const DWORD kPaintSettleMs = 700;
}  // namespace

void Screenshots::take(const std::string& name) const {
    if (!enabled_) return;
    Sleep(kPaintSettleMs);
    std::printf("SHOT %s\n", name.c_str());
    std::fflush(stdout);
    char answer[64];
    if (!std::fgets(answer, sizeof answer, stdin)) std::fprintf(stderr, "no answer to SHOT %s\n", name.c_str());
}
