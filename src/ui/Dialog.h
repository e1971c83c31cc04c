#pragma once

#include <windows.h>

// A modal dialog on a resource template. Pages derive from it and override
// the handful of virtuals they need; each page handles its own controls in
// onCommand with a switch on the control id.
class Dialog {
public:
    explicit Dialog(int templateId);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog owned by the window that is active now, which stays
    // disabled meanwhile; with no active window the dialog is top-level.
    // Returns the end code: IDOK, IDCANCEL, or -1 when the window cannot be
    // created.
    INT_PTR runModal();

    HWND window() const { return hwnd; }

protected:
    // Called once the controls exist, after the template's combo-box items
    // are added and data exchange has run. True lets the dialog manager put
    // the focus on the first tab stop.
    virtual bool onInitDialog() { return true; }
    // Binds controls to members; runs at initialisation and on accept.
    virtual void doDataExchange() {}
    // True when the page handled the command.
    virtual bool onCommand(int id, int code) {
        (void)id;
        (void)code;
        return false;
    }
    // The accept command: Enter without a focused push button, or id 1.
    virtual void onOk() { accept(); }
    // The cancel command: Esc, the close box, system Close, or id 2.
    virtual void onCancel() { cancel(); }
    // True when handled; false passes the command to the default processing.
    virtual bool onSysCommand(WPARAM command, LPARAM position) {
        (void)command;
        (void)position;
        return false;
    }
    // True when the page painted; false leaves it to the default painting.
    virtual bool onPaint() { return false; }
    virtual HICON onQueryDragIcon() { return nullptr; }

    // The plain framework paths, whatever a page made of onOk and onCancel.
    void accept();
    void cancel();
    void end(INT_PTR code);

    HWND item(int id) const { return GetDlgItem(hwnd, id); }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void addTemplateComboItems();

    int templateId;
    HWND hwnd = nullptr;
};
