#include "ui/Dialog.h"

#include "platform/TextConversion.h"

#include <cstring>
#include <string>

namespace {

// Dialog editors store combo-box initial items in a resource of this type,
// named like the template, with the 16-bit era's CB_ADDSTRING number.
const LPCWSTR RT_DLGINIT_TYPE = MAKEINTRESOURCEW(240);
const WORD DlgInitComboAddString = 0x0403;

}  // namespace

Dialog::Dialog(int templateId) : templateId(templateId) {}

INT_PTR Dialog::runModal() {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), GetActiveWindow(), dialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void Dialog::accept() {
    doDataExchange();
    end(IDOK);
}

void Dialog::cancel() {
    end(IDCANCEL);
}

void Dialog::end(INT_PTR code) {
    EndDialog(hwnd, code);
}

INT_PTR CALLBACK Dialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->hwnd = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    // WM_SETFONT and others arrive before WM_INITDIALOG, when no object is known yet.
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    try {
        return dialog->handleMessage(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the dialog manager.
        EndDialog(window, -1);
        return TRUE;
    }
}

INT_PTR Dialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            addTemplateComboItems();
            doDataExchange();
            return onInitDialog() ? TRUE : FALSE;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            int code = HIWORD(wParam);
            if (onCommand(id, code)) return TRUE;
            if (id == IDOK && code == BN_CLICKED) {
                onOk();
                return TRUE;
            }
            if (id == IDCANCEL && code == BN_CLICKED) {
                onCancel();
                return TRUE;
            }
            return FALSE;
        }
        case WM_SYSCOMMAND:
            return onSysCommand(wParam, lParam) ? TRUE : FALSE;
        case WM_PAINT:
            return onPaint() ? TRUE : FALSE;
        case WM_QUERYDRAGICON:
            // One of the few messages whose answer is the dialog procedure's own return value.
            return reinterpret_cast<INT_PTR>(onQueryDragIcon());
        default:
            return FALSE;
    }
}

void Dialog::addTemplateComboItems() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DLGINIT_TYPE);
    if (resource == nullptr) return;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    const BYTE* end = data + SizeofResource(module, resource);
    // Records: WORD control id, WORD message, DWORD length, then the ANSI
    // text with its zero; a control id of 0 ends the list. Fields lie at any
    // byte offset, hence the copies.
    while (end - data >= 8) {
        WORD id, code;
        DWORD length;
        std::memcpy(&id, data, sizeof id);
        std::memcpy(&code, data + 2, sizeof code);
        std::memcpy(&length, data + 4, sizeof length);
        if (id == 0) break;
        data += 8;
        if (length > static_cast<DWORD>(end - data)) break;
        if (code == DlgInitComboAddString) {
            const char* text = reinterpret_cast<const char*>(data);
            WideText item = fromAnsi(std::string(text, strnlen(text, length)));
            SendDlgItemMessageW(hwnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        data += length;
    }
}
