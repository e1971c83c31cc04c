#include "platform/WideText.h"

WideText::WideText(std::initializer_list<std::wstring_view> pieces) {
    characters.pop_back();
    for (std::wstring_view piece : pieces) characters.insert(characters.end(), piece.begin(), piece.end());
    characters.push_back(L'\0');
}

WideText WideText::ofLength(std::size_t length) {
    WideText text;
    text.characters.assign(length + 1, L'\0');
    return text;
}
