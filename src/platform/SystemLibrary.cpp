#include "platform/SystemLibrary.h"

#include "platform/WideText.h"

HMODULE loadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    // The library's own imports must come from the system folder too. Where
    // the program could restrict the search to it (SetDefaultDllDirectories,
    // at start-up) that holds already; elsewhere only the altered search
    // order, which starts in the loaded library's folder, keeps them out of
    // the program's.
    const bool searchRestricted = systemProcedure<void*>(GetModuleHandleW(L"kernel32"), "SetDefaultDllDirectories");
    return LoadLibraryExW(WideText{std::wstring_view(folder, length), L"\\", name}.c_str(), nullptr,
                          searchRestricted ? 0 : LOAD_WITH_ALTERED_SEARCH_PATH);
}
