#include "app/SetupApp.h"

#include "pages/DetailSettingPage.h"
#include "platform/SystemLibrary.h"

#include <commctrl.h>

namespace {

// Only the system folder may supply DLLs: the installer usually starts from a
// download folder, where a planted library would otherwise run elevated.
void restrictDllSearchToSystemFolder() {
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    auto setDefaultDllDirectories = systemProcedure<BOOL(WINAPI*)(DWORD)>(kernel, "SetDefaultDllDirectories");
    if (setDefaultDllDirectories) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
        return;
    }
    // Older systems: at least take the current folder out of the search. Looked
    // up too, so that systems older still can start the program at all.
    auto setDllDirectory = systemProcedure<BOOL(WINAPI*)(LPCWSTR)>(kernel, "SetDllDirectoryW");
    if (setDllDirectory) setDllDirectory(L"");
}

// The common controls are loaded only now, not imported: their start-up loads
// further libraries, which must come after the search is restricted. Loaded
// by name, so that the manifest still selects version 6.
void registerCommonControls() {
    auto initCommonControlsEx = systemProcedure<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
        LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    if (initCommonControlsEx) initCommonControlsEx(&controls);
}

}  // namespace

SetupApp::SetupApp() : selectOsPage(services) {}

bool SetupApp::initInstance() {
    runPageSequence(*this);
    return false;
}

int SetupApp::showSelectOs() {
    return static_cast<int>(selectOsPage.runModal());
}

int SetupApp::showDetailSetting() {
    DetailSettingPage page(services);
    return static_cast<int>(page.runModal());
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    restrictDllSearchToSystemFolder();
    registerCommonControls();
    SetupApp().initInstance();
    return 0;
}
