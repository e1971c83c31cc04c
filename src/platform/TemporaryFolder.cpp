#include "platform/TemporaryFolder.h"

#include "platform/WideText.h"

#include <windows.h>

namespace {

// GetTempPathW often answers the 8.3 form of a long account name
// (C:\Users\ADMINI~1\...), and the current directory may be either form:
// only the long forms compare. Upper-cased as the file system compares
// names, and ending in a backslash, so that a folder never counts as inside
// its namesake with a longer name. A path with no long form is taken as it is.
WideText comparable(const WideText& path) {
    const DWORD size = GetLongPathNameW(path.c_str(), nullptr, 0);
    WideText whole = WideText::ofLength(size);
    const DWORD length = size == 0 ? 0 : GetLongPathNameW(path.c_str(), whole.data(), size);
    std::wstring_view folder = length == 0 || length >= size ? path.view() : whole.view().substr(0, length);
    WideText result{folder, folder.empty() || folder.back() != L'\\' ? L"\\" : L""};
    CharUpperBuffW(result.data(), static_cast<DWORD>(result.view().size()));
    return result;
}

}  // namespace

bool currentDirectoryIsTemporary() {
    // GetTempPathW's answer is at most MAX_PATH + 1 characters.
    wchar_t temporary[MAX_PATH + 2] = {};
    const DWORD temporaryLength = GetTempPathW(MAX_PATH + 2, temporary);
    WideText current = WideText::ofLength(GetCurrentDirectoryW(0, nullptr));
    const DWORD currentLength = GetCurrentDirectoryW(static_cast<DWORD>(current.view().size() + 1), current.data());
    if (temporaryLength == 0 || temporaryLength > MAX_PATH + 1 || currentLength == 0) return false;
    const WideText temporaryFolder = comparable(WideText{std::wstring_view(temporary, temporaryLength)});
    const WideText start = comparable(WideText{current.view().substr(0, currentLength)});
    return start.view().substr(0, temporaryFolder.view().size()) == temporaryFolder.view();
}
