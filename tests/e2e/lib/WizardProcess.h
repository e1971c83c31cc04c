#pragma once

#include "Window.h"

#include <windows.h>

#include <string>
#include <vector>

// The program under test, started in a chosen working directory. Ended by
// force if it still runs when this object goes, so one failing scenario
// cannot leave a window behind for the next.
class WizardProcess {
public:
    WizardProcess(const std::wstring& exePath, const std::wstring& workDir);
    ~WizardProcess();
    WizardProcess(const WizardProcess&) = delete;
    WizardProcess& operator=(const WizardProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    // Why it did not start (the system's error text).
    const std::string& startError() const { return startError_; }
    HANDLE handle() const { return process_; }
    DWORD id() const { return id_; }
    bool isRunning() const;

    // Top-level windows of this process, visible ones only.
    std::vector<Window> visibleWindows() const;
    // A top-level dialog of this process with exactly this caption.
    Window findDialog(const std::wstring& caption) const;
    // The dialog once it is on screen and, as far as the timeout allows,
    // active: a dialog is found while it still initialises, and a click that
    // arrives before it has been activated can be lost under Wine.
    Window waitForDialog(const std::wstring& caption, DWORD timeoutMs) const;

    // The first visible top-level window of this process that is not one of
    // `known`, such as a message box or a dialog opened by a page.
    // Waits for activation as waitForDialog does.
    Window waitForOtherWindow(const std::vector<Window>& known, DWORD timeoutMs) const;

    struct Ending {
        bool exited = false;
        // Captions of visible windows seen while waiting that were not expected.
        std::vector<std::wstring> otherWindows;
    };
    Ending waitForExit(DWORD timeoutMs, const std::vector<Window>& expected = {}) const;

private:
    void awaitActivation(Window window, DWORD timeoutMs) const;

    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    std::string startError_;
};
