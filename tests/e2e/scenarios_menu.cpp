// The pages' system menus. Another process cannot read a window's menu under
// Wine, so a probe library loaded into the wizard writes them out; it sits
// beside this program and leaves "<its path>-<process id>.txt".
#include "WizardSteps.h"
#include "WizardUi.h"
#include "lib/Poll.h"
#include "lib/RemoteLibrary.h"
#include "lib/Utf8.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct MenuItem {
    unsigned id;
    std::string type;
    std::wstring text;
};

// Each page the probe found, by caption.
using SystemMenus = std::map<std::wstring, std::vector<MenuItem>>;

std::wstring probePath() {
    wchar_t driver[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, driver, MAX_PATH);
    const std::wstring driverPath(driver, length < MAX_PATH ? length : 0);
    return driverPath.substr(0, driverPath.find_last_of(L"\\/") + 1) + L"system_menu_probe.dll";
}

SystemMenus parseMenus(std::istream& lines) {
    SystemMenus menus;
    std::vector<MenuItem>* current = nullptr;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string kind, id, type, text;
        std::getline(fields, kind, '\t');
        if (kind == "menu") {
            std::getline(fields, text);
            current = &menus[wideFromUtf8(text)];
        } else if (kind == "item" && current) {
            std::getline(fields, id, '\t');
            std::getline(fields, type, '\t');
            std::getline(fields, text);
            current->push_back(
                MenuItem{static_cast<unsigned>(std::strtoul(id.c_str(), nullptr, 10)), type, wideFromUtf8(text)});
        }
    }
    return menus;
}

// Loads the probe into the wizard and reads what it wrote; false (and
// reported) when there is nothing to read.
bool readSystemMenus(WizardRun& run, const std::string& step, SystemMenus& menus) {
    const std::wstring probe = probePath();
    const std::wstring result = probe + L"-" + std::to_wstring(run.process().id()) + L".txt";
    DeleteFileW(result.c_str());
    const std::string error = loadLibraryInto(run.process().handle(), probe, timeouts::kWindowMs);
    if (!run.report().check(error.empty(), step + ": the menu probe loads into the wizard", error)) return false;
    // The findings appear under their name a moment before Wine's MoveFileExW
    // closes its own handle to them, which has delete access: until then they
    // do not open for reading, and a loaded machine stretches that moment.
    std::ifstream file;
    const bool written = pollUntil(timeouts::kWindowMs, [&] {
        file.open(result.c_str(), std::ios::binary);
        return file.is_open();
    });
    if (!run.report().check(written, step + ": the menu probe writes its findings",
                            "no readable " + toUtf8(result) + " after " + std::to_string(timeouts::kWindowMs) + " ms"))
        return false;
    menus = parseMenus(file);
    file.close();
    DeleteFileW(result.c_str());
    return true;
}

// The page's system menu, when the probe found the page at all.
const std::vector<MenuItem>* pageMenu(Report& report, const SystemMenus& menus, const std::wstring& caption) {
    auto page = menus.find(caption);
    const bool found = page != menus.end() && !page->second.empty();
    std::string seen;
    for (const auto& menu : menus) seen += " \"" + toUtf8(menu.first) + "\"";
    report.check(found, "the probe reads a system menu of \"" + toUtf8(caption) + "\"",
                 page == menus.end() ? "menus read:" + seen : "the menu is empty");
    return found ? &page->second : nullptr;
}

int countWithId(const std::vector<MenuItem>& items, unsigned id) {
    int count = 0;
    for (const MenuItem& item : items) count += item.id == id ? 1 : 0;
    return count;
}

std::string describe(const MenuItem& item) {
    return item.type + " " + std::to_string(item.id) + " \"" + toUtf8(item.text) + "\"";
}

void selectOsMenu(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window page = run.startAtSelectOs();
    SystemMenus menus;
    if (!page.exists() || !readSystemMenus(run, "Select OS", menus)) return;
    const std::vector<MenuItem>* items = pageMenu(report, menus, ui::kSelectOsCaption);
    if (!items) return;
    report.check(countWithId(*items, SC_CLOSE) == 1, "Select OS's system menu has Close",
                 "last item " + describe(items->back()));
    report.checkEqual("Select OS's system menu has no item " + std::to_string(ui::detailSetting::kAboutMenuId), 0,
                      countWithId(*items, ui::detailSetting::kAboutMenuId));
}

void detailSettingMenu(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window page = run.toDetailSetting();
    SystemMenus menus;
    if (!page.exists() || !readSystemMenus(run, "Detail Setting", menus)) return;
    const std::vector<MenuItem>* items = pageMenu(report, menus, ui::kDetailSettingCaption);
    if (!items) return;
    const MenuItem& last = items->back();
    report.check(last.type == "string" && last.id == ui::detailSetting::kAboutMenuId,
                 "Detail Setting's system menu ends with item " + std::to_string(ui::detailSetting::kAboutMenuId),
                 "last item " + describe(last));
    report.checkEqual("the last item's text", ui::detailSetting::kAboutMenuText, last.text);
    report.check(items->size() >= 2 && (*items)[items->size() - 2].type == "separator", "a separator comes before it",
                 items->size() >= 2 ? "item before: " + describe((*items)[items->size() - 2]) : "it is the only item");
    report.checkEqual("no other item has id " + std::to_string(ui::detailSetting::kAboutMenuId), 1,
                      countWithId(*items, ui::detailSetting::kAboutMenuId));
}

// The probe reports a process once, at its load: one wizard per page.
void systemMenu(ScenarioContext& context) {
    selectOsMenu(context);
    detailSettingMenu(context);
}

const ScenarioRegistration registrations[] = {
    {"system-menu", PrefixArch::Win64, systemMenu},
};

}  // namespace
