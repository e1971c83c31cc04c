#pragma once

#include "lib/Scenario.h"
#include "lib/Window.h"
#include "lib/WizardProcess.h"

#include <string>
#include <vector>

// The steps a person takes through the wizard, each reporting its own checks,
// so that a scenario reads as the walk it tests.
class WizardRun {
public:
    explicit WizardRun(ScenarioContext& context);

    WizardProcess& process() { return process_; }
    Report& report() { return report_; }

    // The Select OS page, after the start; empty (and reported) if it never comes.
    Window startAtSelectOs();
    // Clicks a page's button and waits for the page that follows it.
    Window clickThrough(Window page, int buttonId, const std::wstring& nextCaption, const std::string& step);
    Window toDetailSetting();
    Window toSelectPort();

    // A window that the last action should have opened beside `known`.
    Window expectNewWindow(const std::vector<Window>& known, const std::wstring& caption, const std::string& step);
    bool expectClosed(Window window, const std::string& step);
    // The process ends and shows nothing on its way out.
    bool expectQuietEnd(const std::vector<Window>& expected, const std::string& step);
    // For message boxes and the About box: their OK button is id 1.
    bool dismiss(Window dialog, const std::string& step);
    // A message box that the last action opened over `owner`: closed with OK,
    // after which `owner` must take input again. Its text; empty if none showed.
    std::wstring answerMessage(const std::vector<Window>& known, Window owner, const std::string& step);

    // On Detail Setting: chooses a model as a person would and waits until
    // "Printer Name" shows the model's name.
    bool chooseModel(Window detail, int model);
    // On Detail Setting: clicks "Set Default Printer" and waits until the box
    // is unchecked.
    bool uncheckDefaultPrinter(Window detail);
    // On Select Port: Create Port..., New Port..., the name typed into the
    // monitor's "Add a Local Port" and OK, then Close.
    bool addLocalPort(Window port, const std::wstring& name);

private:
    Report& report_;
    const Screenshots& screenshots_;
    WizardProcess process_;
};

namespace timeouts {
// The first program started in a fresh prefix waits for Wine's services.
const DWORD kStartMs = 30000;
const DWORD kWindowMs = 10000;
const DWORD kExitMs = 10000;
}  // namespace timeouts
