#pragma once

#include "platform/SpoolerServices.h"

#include <cstdint>
#include <utility>
#include <vector>

// The size protocol of the spooler's reading calls: ask for the size,
// allocate it, read. What is read may grow in between (a port added, a
// comment changed); the failed read then names the new size, and the read is
// made again with it, a few times at most. `read(buffer, size, needed)`
// answers NoError or the call's error and sets `needed`; the first call asks
// with no buffer.
template <typename Read>
Result<std::vector<std::uint8_t>> readWhole(Read read) {
    constexpr ErrorCode InsufficientBuffer = 122;
    constexpr int Attempts = 3;
    std::vector<std::uint8_t> buffer;
    std::uint32_t needed = 0;
    ErrorCode error = read(nullptr, 0, needed);
    if (needed == 0) return {std::move(buffer), error};
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        buffer.assign(needed, 0);
        error = read(buffer.data(), needed, needed);
        if (error != InsufficientBuffer) break;
    }
    return {std::move(buffer), error};
}
