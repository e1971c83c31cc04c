#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

// What the system reads: the characters up to the first zero.
std::wstring_view asTheSystemReadsIt(const WideText& text) {
    return text.c_str();
}

TEST(WideText, JoinsThePiecesInOrderAndEndsWithAZero) {
    const WideText path{L"C:\\windows\\system32"sv, L"\\", L"winspool.drv"};
    EXPECT_EQ(path.view(), L"C:\\windows\\system32\\winspool.drv");
    EXPECT_EQ(asTheSystemReadsIt(path), path.view());
}

TEST(WideText, KeepsOnlyThePieceItIsGivenFromALongerText) {
    const std::wstring_view resource = L"About Brivane(&A)...and the next string";
    const WideText about{resource.substr(0, 20)};
    EXPECT_EQ(asTheSystemReadsIt(about), L"About Brivane(&A)...");
}

TEST(WideText, EmptyTextIsAZeroAlone) {
    EXPECT_EQ(asTheSystemReadsIt(WideText()), L"");
    EXPECT_EQ(WideText{L""}.view().size(), 0u);
    EXPECT_EQ(WideText{}.view().size(), 0u);
}

TEST(WideText, RoomForASystemCallHoldsWhatItWrites) {
    WideText text = WideText::ofLength(5);
    ASSERT_EQ(text.view().size(), 5u);
    L"Brivane"sv.copy(text.data(), 5);
    EXPECT_EQ(asTheSystemReadsIt(text), L"Briva");
}

}  // namespace
