// A stand-in for a library an attacker leaves beside an installer. Built once
// and copied under the names of libraries a program may look for in its own
// folder; when a loader maps it, it leaves "planted-<its file name>.txt" next
// to itself, naming the program that loaded it.
#include "lib/Utf8.h"

#include <windows.h>

#include <string>

namespace {

std::wstring moduleFileName(HMODULE module) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::wstring() : std::wstring(path, length);
}

void leaveMarker(HMODULE self) {
    const std::wstring ownPath = moduleFileName(self);
    const size_t slash = ownPath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return;
    const std::wstring marker = ownPath.substr(0, slash + 1) + L"planted-" + ownPath.substr(slash + 1) + L".txt";
    HANDLE file = CreateFileW(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string line = "loaded by " + toUtf8(moduleFileName(nullptr)) + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

// Refusing to attach unmaps the library again: a program that imports it does
// not start, and a LoadLibrary call gets null, so the planted library is seen
// through its marker and a clear load failure, never through calls into
// exports it does not have.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) leaveMarker(instance);
    return FALSE;
}
