#pragma once

#include <windows.h>

#include <string>

// A window of another process, reached only through messages and the queries
// that work across processes. Non-owning; an empty Window stands for "not found".
class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND handle() const { return handle_; }
    bool exists() const;
    bool operator==(const Window& other) const { return handle_ == other.handle_; }
    bool operator!=(const Window& other) const { return handle_ != other.handle_; }

    std::wstring caption() const;
    std::wstring className() const;
    std::wstring text() const;
    DWORD processId() const;
    DWORD threadId() const;
    int controlId() const;
    Window control(int id) const;
    Window owner() const;
    bool isVisible() const;
    bool isEnabled() const;
    bool isForeground() const;
    DWORD style() const;
    // A direct child by class and, unless `text` is empty, by text: for
    // controls that have no id of their own.
    Window child(const std::wstring& className, const std::wstring& text = std::wstring()) const;
    // Sent with a timeout; 0 when the window does not answer. Only for
    // messages whose parameters carry no pointer.
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // WM_SETTEXT, whose text the system copies into the other process.
    bool setText(const std::wstring& text) const;
    // BM_GETCHECK: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    LRESULT checkState() const;
    // The control of this window's thread that has the keyboard focus.
    Window focusedControl() const;

    void click() const;
    void postSysCommand(WPARAM command) const;
    // Posted to the focused control, where the dialog's own loop turns Enter
    // and Esc into its commands just as it does for a real key press.
    void pressKey(UINT virtualKey) const;

    // A message box's text lives in its static control 65535.
    std::wstring messageText() const;

private:
    HWND handle_ = nullptr;
};
