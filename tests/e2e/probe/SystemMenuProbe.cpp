// Loaded into the running wizard: a process may read only its own windows'
// menus, so the system menus of the wizard's pages are read from inside it.
// Writes them to "<this library's path>-<process id>.txt", one line per menu
// ("menu<TAB>caption") followed by its items ("item<TAB>id<TAB>type<TAB>text"),
// and appears under that name only once complete.
#include "WizardUi.h"
#include "lib/Utf8.h"

#include <windows.h>

#include <string>

namespace {

const wchar_t* const kPageCaptions[] = {ui::kDetailSettingCaption, ui::kSelectOsCaption};

HMODULE probeModule = nullptr;

std::wstring moduleFileName(HMODULE module) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::wstring() : std::wstring(path, length);
}

struct PageSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK findOwnPage(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<PageSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t caption[128] = {};
    GetWindowTextW(window, caption, 128);
    if (processId != GetCurrentProcessId() || std::wstring(caption) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

std::string describeItem(HMENU menu, int position) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return "item\t-\tunreadable\t\n";
    const char* type = (info.fType & MFT_SEPARATOR) ? "separator" : (info.fType & MFT_BITMAP) ? "bitmap" : "string";
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return "item\t" + std::to_string(info.wID) + "\t" + type + "\t" + toUtf8(text) + "\n";
}

std::string describePages() {
    std::string report;
    for (const wchar_t* caption : kPageCaptions) {
        PageSearch search{caption, nullptr};
        EnumWindows(findOwnPage, reinterpret_cast<LPARAM>(&search));
        if (!search.found) continue;
        report += "menu\t" + toUtf8(caption) + "\n";
        HMENU menu = GetSystemMenu(search.found, FALSE);
        const int count = menu ? GetMenuItemCount(menu) : 0;
        for (int position = 0; position < count; ++position) report += describeItem(menu, position);
    }
    return report;
}

void writeReport(const std::string& report) {
    const std::wstring path = moduleFileName(probeModule) + L"-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    const std::wstring partial = path + L".partial";
    HANDLE file =
        CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    const bool complete = WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr) &&
                          written == report.size();
    CloseHandle(file);
    if (complete) MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

DWORD WINAPI probe(LPVOID) {
    writeReport(describePages());
    return 0;
}

}  // namespace

// Window and menu calls do not belong under the loader lock, so the work runs
// in a thread of its own, which starts once the load has finished.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    probeModule = instance;
    DisableThreadLibraryCalls(instance);
    HANDLE thread = CreateThread(nullptr, 0, probe, nullptr, 0, nullptr);
    if (thread) CloseHandle(thread);
    return thread != nullptr;
}
