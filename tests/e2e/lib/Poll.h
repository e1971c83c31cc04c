#pragma once

#include <windows.h>

// Another process answers in its own time: poll instead of sleeping a fixed while.
template <typename Condition>
bool pollUntil(DWORD timeoutMs, Condition condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}
