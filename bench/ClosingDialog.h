#pragma once

#include <windows.h>

// All that the yardstick programs do with their dialog: OK and Cancel (Esc,
// the close box) end it.
inline INT_PTR CALLBACK closingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
