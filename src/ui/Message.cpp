#include "ui/Message.h"

#include <windows.h>

#include <string_view>

WideText applicationTitle() {
    // A path that fills the buffer may have been cut short: ask again with more room.
    WideText path = WideText::ofLength(MAX_PATH);
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.view().size()))) ==
           path.view().size())
        path = WideText::ofLength(2 * path.view().size());
    std::wstring_view file(path.c_str(), length);
    std::wstring_view name = file.substr(file.find_last_of(L"\\/") + 1);
    return {name.substr(0, name.find_last_of(L'.'))};
}

void showMessageBox(const WideText& text) {
    MessageBoxW(GetActiveWindow(), text.c_str(), applicationTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}
