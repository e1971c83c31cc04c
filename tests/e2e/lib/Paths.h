#pragma once

#include <string>

// The folder part of a Windows path, without its last separator; empty when
// the path names no folder.
inline std::wstring folderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
