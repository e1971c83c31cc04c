#pragma once

#include <windows.h>

// Milliseconds from the performance counter: GetTickCount moves in steps of
// 10 to 16 ms, as coarse as the differences being measured.
class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }

    double elapsedMs() const {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

// The harness's own poll sleeps 20 ms a round, too coarse to time with.
template <typename Condition>
bool pollEveryMillisecond(double timeoutMs, Condition condition) {
    const Stopwatch watch;
    for (;;) {
        if (condition()) return true;
        if (watch.elapsedMs() >= timeoutMs) return false;
        Sleep(1);
    }
}
