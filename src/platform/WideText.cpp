#include "platform/WideText.h"

WideText::WideText(std::initializer_list<std::wstring_view> pieces) {
    std::size_t length = 0;
    for (std::wstring_view piece : pieces) length += piece.size();
    *this = ofLength(length);
    wchar_t* next = characters.data();
    for (std::wstring_view piece : pieces) next += piece.copy(next, piece.size());
}

WideText WideText::ofLength(std::size_t length) {
    WideText text;
    text.characters.assign(length + 1, L'\0');
    return text;
}
