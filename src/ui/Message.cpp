#include "ui/Message.h"

#include <windows.h>

#include <string_view>
#include <vector>

WideText applicationTitle() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    std::wstring_view file(path.data(), length);
    std::wstring_view name = file.substr(file.find_last_of(L"\\/") + 1);
    return {name.substr(0, name.find_last_of(L'.'))};
}

void showMessageBox(const WideText& text) {
    MessageBoxW(GetActiveWindow(), text.c_str(), applicationTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}
