#include "Window.h"

#include <vector>

namespace {
// A hung wizard must fail a check, not hang the driver.
const UINT kSendTimeoutMs = 5000;
const int kMessageTextId = 0xFFFF;
}  // namespace

bool Window::exists() const {
    return handle_ != nullptr && IsWindow(handle_);
}

std::wstring Window::caption() const {
    wchar_t buffer[512] = {};
    if (handle_) GetWindowTextW(handle_, buffer, 512);
    return buffer;
}

std::wstring Window::className() const {
    wchar_t buffer[256] = {};
    if (handle_) GetClassNameW(handle_, buffer, 256);
    return buffer;
}

std::wstring Window::text() const {
    if (!handle_) return {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(handle_, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(handle_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &copied);
    return std::wstring(buffer.data(), copied);
}

DWORD Window::processId() const {
    DWORD process = 0;
    if (handle_) GetWindowThreadProcessId(handle_, &process);
    return process;
}

DWORD Window::threadId() const {
    return handle_ ? GetWindowThreadProcessId(handle_, nullptr) : 0;
}

int Window::controlId() const {
    return handle_ ? GetDlgCtrlID(handle_) : 0;
}

Window Window::control(int id) const {
    return Window(handle_ ? GetDlgItem(handle_, id) : nullptr);
}

Window Window::owner() const {
    return Window(handle_ ? GetWindow(handle_, GW_OWNER) : nullptr);
}

bool Window::isVisible() const {
    return handle_ && IsWindowVisible(handle_);
}

bool Window::isEnabled() const {
    return handle_ && IsWindowEnabled(handle_);
}

bool Window::isForeground() const {
    return handle_ && GetForegroundWindow() == handle_;
}

DWORD Window::style() const {
    return handle_ ? static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE)) : 0;
}

Window Window::child(const std::wstring& className, const std::wstring& text) const {
    if (!handle_) return Window();
    return Window(FindWindowExW(handle_, nullptr, className.c_str(), text.empty() ? nullptr : text.c_str()));
}

LRESULT Window::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (handle_) SendMessageTimeoutW(handle_, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

bool Window::setText(const std::wstring& text) const {
    DWORD_PTR result = 0;
    return handle_ &&
           SendMessageTimeoutW(handle_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kSendTimeoutMs, &result) &&
           result == TRUE;
}

LRESULT Window::checkState() const {
    DWORD_PTR state = 0;
    if (handle_) SendMessageTimeoutW(handle_, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state);
    return static_cast<LRESULT>(state);
}

Window Window::focusedControl() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!handle_ || !GetGUIThreadInfo(threadId(), &info)) return Window();
    return Window(info.hwndFocus);
}

void Window::click() const {
    PostMessageW(handle_, BM_CLICK, 0, 0);
}

void Window::postSysCommand(WPARAM command) const {
    PostMessageW(handle_, WM_SYSCOMMAND, command, 0);
}

void Window::pressKey(UINT virtualKey) const {
    Window focus = focusedControl();
    HWND target = focus.handle() ? focus.handle() : handle_;
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, virtualKey, scanCode | 1);
    PostMessageW(target, WM_KEYUP, virtualKey, scanCode | 1 | (1u << 30) | (1u << 31));
}

std::wstring Window::messageText() const {
    return control(kMessageTextId).text();
}
