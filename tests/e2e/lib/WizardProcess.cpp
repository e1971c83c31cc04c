#include "WizardProcess.h"

#include "Poll.h"
#include "SystemError.h"

#include <algorithm>

namespace {
const wchar_t kDialogClass[] = L"#32770";

struct WindowCollector {
    DWORD processId;
    std::vector<Window> windows;
};

BOOL CALLBACK collectVisible(HWND handle, LPARAM context) {
    auto* collector = reinterpret_cast<WindowCollector*>(context);
    Window window(handle);
    if (window.processId() == collector->processId && window.isVisible()) collector->windows.push_back(window);
    return TRUE;
}
}  // namespace

WizardProcess::WizardProcess(const std::wstring& exePath, const std::wstring& workDir) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &info)) {
        startError_ = systemErrorText(GetLastError());
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

WizardProcess::~WizardProcess() {
    if (!process_) return;
    if (isRunning()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool WizardProcess::isRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::vector<Window> WizardProcess::visibleWindows() const {
    WindowCollector collector{id_, {}};
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&collector));
    return collector.windows;
}

Window WizardProcess::findDialog(const std::wstring& caption) const {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExW(nullptr, candidate, kDialogClass, caption.c_str())) != nullptr) {
        if (Window(candidate).processId() == id_) return Window(candidate);
    }
    return Window();
}

Window WizardProcess::waitForDialog(const std::wstring& caption, DWORD timeoutMs) const {
    Window found;
    pollUntil(timeoutMs, [&] {
        found = findDialog(caption);
        return found.isVisible() || !isRunning();
    });
    awaitActivation(found, timeoutMs);
    return found;
}

Window WizardProcess::waitForOtherWindow(const std::vector<Window>& known, DWORD timeoutMs) const {
    Window found;
    pollUntil(timeoutMs, [&] {
        for (const Window& window : visibleWindows()) {
            if (std::find(known.begin(), known.end(), window) == known.end()) {
                found = window;
                return true;
            }
        }
        return !isRunning();
    });
    awaitActivation(found, timeoutMs);
    return found;
}

void WizardProcess::awaitActivation(Window window, DWORD timeoutMs) const {
    if (window.isVisible()) pollUntil(timeoutMs, [&] { return window.isForeground() || !window.exists(); });
}

WizardProcess::Ending WizardProcess::waitForExit(DWORD timeoutMs, const std::vector<Window>& expected) const {
    Ending ending;
    std::vector<Window> reported;
    ending.exited = pollUntil(timeoutMs, [&] {
        for (const Window& window : visibleWindows()) {
            bool known = std::find(expected.begin(), expected.end(), window) != expected.end() ||
                         std::find(reported.begin(), reported.end(), window) != reported.end();
            if (!known) {
                reported.push_back(window);
                ending.otherWindows.push_back(window.caption() + L" [" + window.className() + L"]");
            }
        }
        return !isRunning();
    });
    return ending;
}
