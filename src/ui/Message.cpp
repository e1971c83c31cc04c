#include "ui/Message.h"

#include <windows.h>

std::wstring applicationTitle() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

void showMessageBox(const std::wstring& text) {
    MessageBoxW(GetActiveWindow(), text.c_str(), applicationTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}
