#include "platform/TemporaryFolder.h"

#include <windows.h>

#include <string>

namespace {

// GetTempPathW often answers the 8.3 form of a long account name
// (C:\Users\ADMINI~1\...), and the current directory may be either form:
// only the long forms compare. A path with no long form is taken as it is.
std::wstring longForm(const std::wstring& path) {
    const DWORD size = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring whole(size, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), &whole[0], size);
    if (length == 0 || length >= size) return path;
    whole.resize(length);
    return whole;
}

// Upper-cased as the file system compares names, ending in a backslash so
// that a folder never counts as inside its namesake with a longer name.
std::wstring comparable(std::wstring folder) {
    folder = longForm(folder);
    if (folder.empty() || folder.back() != L'\\') folder.push_back(L'\\');
    CharUpperBuffW(&folder[0], static_cast<DWORD>(folder.size()));
    return folder;
}

}  // namespace

bool currentDirectoryIsTemporary() {
    // GetTempPathW's answer is at most MAX_PATH + 1 characters.
    wchar_t temporary[MAX_PATH + 2] = {};
    const DWORD temporaryLength = GetTempPathW(MAX_PATH + 2, temporary);
    std::wstring current(GetCurrentDirectoryW(0, nullptr), L'\0');
    current.resize(GetCurrentDirectoryW(static_cast<DWORD>(current.size()), &current[0]));
    if (temporaryLength == 0 || temporaryLength > MAX_PATH + 1 || current.empty()) return false;
    const std::wstring temporaryFolder = comparable({temporary, temporaryLength});
    return comparable(current).compare(0, temporaryFolder.size(), temporaryFolder) == 0;
}
