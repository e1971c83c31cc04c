#include "platform/DevModeBounds.h"
#include "platform/SizeProtocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr ErrorCode InsufficientBuffer = 122;

// A spooler list whose size at each call is the next of `sizes` (the last
// stays), or a call that fails outright with `failure` at call `failingCall`.
struct GrowingList {
    std::vector<std::uint32_t> sizes;
    int failingCall = -1;
    ErrorCode failure = NoError;
    int calls = 0;

    ErrorCode operator()(std::uint8_t* buffer, std::uint32_t size, std::uint32_t& needed) {
        const std::size_t call = static_cast<std::size_t>(calls++);
        if (static_cast<int>(call) == failingCall) return failure;
        needed = sizes[std::min(call, sizes.size() - 1)];
        if (buffer == nullptr || size < needed) return needed == 0 ? NoError : InsufficientBuffer;
        std::fill(buffer, buffer + needed, 'r');
        return NoError;
    }
};

// A port added between asking for the size and reading is read on the next
// try, a few times at most; any other failure ends the reading at once.
TEST(SizeProtocol, ReadsAgainWithTheSizeTheFailedReadNames) {
    struct Case {
        GrowingList list;
        ErrorCode error;
        std::size_t bytesRead;
        int calls;
    };
    const Case cases[] = {{{{40}}, NoError, 40, 2},         {{{40, 64}}, NoError, 64, 3},
                          {{{40, 64, 80}}, NoError, 80, 4}, {{{40, 64, 80, 96}}, InsufficientBuffer, 0, 4},
                          {{{0}}, NoError, 0, 1},           {{{40}, 0, 5}, 5, 0, 1},
                          {{{40}, 1, 5}, 5, 0, 2},          {{{40, 64}, 2, 1722}, 1722, 0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        GrowingList list = c.list;
        const Result<std::vector<std::uint8_t>> read = readWhole(std::ref(list));
        EXPECT_EQ(read.error, c.error);
        if (read.ok()) EXPECT_EQ(read.value, std::vector<std::uint8_t>(c.bytesRead, 'r'));
        EXPECT_EQ(list.calls, c.calls);
    }
}

// A DEVMODEW `offset` bytes into the buffer the spooler filled, its sizes untrusted.
TEST(DevModeBounds, TheRecordClaimedCountsOnlyWhereItLiesWithinTheBuffer) {
    // Buffer size, offset, dmSize, dmDriverExtra, the length handed on.
    const std::size_t cases[][5] = {{400, 100, 220, 80, 300}, {400, 100, 220, 81, 0}, {400, 328, 72, 0, 72},
                                    {400, 329, 71, 0, 0},     {400, 100, 60, 10, 0},  {400, 401, 0, 0, 0}};
    for (const auto& [size, offset, dmSize, driverExtra, length] : cases) {
        std::vector<std::uint8_t> bytes(size, 0);
        if (offset <= size && size - offset >= 72)
            bytes[offset + 68] = dmSize & 0xFF, bytes[offset + 69] = dmSize >> 8, bytes[offset + 70] = driverExtra;
        EXPECT_EQ(devModeLength(bytes.data(), size, offset), length) << offset;
    }
}

}  // namespace
