#include "platform/TextConversion.h"

#include <windows.h>

namespace {

std::wstring toWide(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string toNarrow(UINT codePage, const std::wstring& text) {
    if (text.empty()) return {};
    int length =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::wstring fromAnsi(const std::string& text) {
    return toWide(CP_ACP, text);
}
std::wstring fromUtf8(const std::string& text) {
    return toWide(CP_UTF8, text);
}
std::string toUtf8(const std::wstring& text) {
    return toNarrow(CP_UTF8, text);
}
