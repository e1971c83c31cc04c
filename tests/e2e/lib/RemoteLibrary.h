#pragma once

#include <windows.h>

#include <string>

// Loads a library into another process of the same bitness by running that
// process's LoadLibraryW in a new thread of it; what the library does then is
// up to its DllMain. `path` must be full: the target's own search order
// decides where a bare name is looked for. Returns an empty string once
// loaded, otherwise what went wrong.
std::string loadLibraryInto(HANDLE process, const std::wstring& path, DWORD timeoutMs);
