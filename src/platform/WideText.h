#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

// UTF-16 text on its way to a window, a menu, a message box or a system call,
// or back from the spooler, always followed by a zero. It is composed,
// compared and handed over, never edited; std::wstring would link in the
// library's whole wide-string code, 32 KB of the program, for that.
class WideText {
public:
    WideText() = default;
    // The pieces one after another: WideText{folder, L"\\", name}.
    WideText(std::initializer_list<std::wstring_view> pieces);
    // `length` zeros, for a system call to overwrite through data().
    static WideText ofLength(std::size_t length);

    const wchar_t* c_str() const { return characters.data(); }
    wchar_t* data() { return characters.data(); }
    std::wstring_view view() const { return {characters.data(), characters.size() - 1}; }

private:
    std::vector<wchar_t> characters{L'\0'};
};

inline bool operator==(const WideText& a, const WideText& b) {
    return a.view() == b.view();
}

inline bool operator!=(const WideText& a, const WideText& b) {
    return !(a == b);
}
