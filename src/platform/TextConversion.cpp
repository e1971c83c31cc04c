#include "platform/TextConversion.h"

#include <windows.h>

namespace {

WideText toWide(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    WideText wide = WideText::ofLength(static_cast<size_t>(length));
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string toNarrow(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    int length =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}

}  // namespace

WideText fromAnsi(const std::string& text) {
    return toWide(CP_ACP, text);
}
WideText fromUtf8(const std::string& text) {
    return toWide(CP_UTF8, text);
}
std::string toUtf8(std::wstring_view text) {
    return toNarrow(CP_UTF8, text);
}
