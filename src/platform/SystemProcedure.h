#pragma once

#include <windows.h>

// A function of a system library looked up by name: null when the library
// or the function is missing, as on systems older than the function.
template <typename Function>
Function systemProcedure(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
