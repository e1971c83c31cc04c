#pragma once

#include <windows.h>

// A function of a system library looked up by name: null when the library
// or the function is missing, as on systems older than the function.
template <typename Function>
Function systemProcedure(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// A library of the system folder, loaded by its full path, so that no search
// order can put the program's folder, where a planted copy could run with
// the installer's rights, before it. Null when it cannot be loaded.
HMODULE loadSystemLibrary(const wchar_t* name);
