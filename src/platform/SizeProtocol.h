#pragma once

#include <windows.h>

#include <vector>

// The size protocol of the spooler's enumeration calls: ask for the size,
// allocate it, ask again; the second call's count bounds the records, and a
// failed call yields none. `call(buffer, size, &needed, &count)`.
template <typename Call>
std::vector<BYTE> enumerate(Call call, DWORD& count) {
    DWORD needed = 0;
    count = 0;
    call(nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    count = 0;
    if (needed == 0 || !call(buffer.data(), needed, &needed, &count)) count = 0;
    return buffer;
}
