#pragma once

#include <windows.h>

#include <commctrl.h>

// Thin, non-owning wrappers over controls that a template created: one window
// handle, one message per method, no state of their own.

class Control {
public:
    void attach(HWND control) { hwnd = control; }
    void enable(bool enabled) const { EnableWindow(hwnd, enabled ? TRUE : FALSE); }

protected:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd, message, wParam, lParam);
    }
    HWND hwnd = nullptr;
};

class ComboBox : public Control {
public:
    // CB_ERR (-1) when nothing is selected.
    int selection() const { return static_cast<int>(send(CB_GETCURSEL)); }
    void select(int index) const { send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    void clear() const { send(CB_RESETCONTENT); }
    void add(const wchar_t* text) const { send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
};

class CheckBox : public Control {
public:
    bool checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
};

class ProgressBar : public Control {
public:
    void setRange(int low, int high) const { send(PBM_SETRANGE, 0, MAKELPARAM(low, high)); }
    void setPosition(int position) const { send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

class ListView : public Control {
public:
    // Leaves every row selectable by a click, with grid lines, and stops the
    // selection following the mouse.
    void useGridWithFullRowSelection() const {
        DWORD style = static_cast<DWORD>(send(LVM_GETEXTENDEDLISTVIEWSTYLE));
        style = (style & ~LVS_EX_TRACKSELECT) | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
        send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
    }
    // A left-aligned column without a width of its own.
    void insertColumn(int index, const wchar_t* title) const {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.pszText = const_cast<LPWSTR>(title);
        send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
    void setColumnWidth(int index, int width) const { send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), width); }
    void insertRow(int row, const wchar_t* text) const {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(text);
        send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    void setCell(int row, int column, const wchar_t* text) const {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = const_cast<LPWSTR>(text);
        send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int rowCount() const { return static_cast<int>(send(LVM_GETITEMCOUNT)); }
    void clear() const { send(LVM_DELETEALLITEMS); }
    // Selects the row without giving it the focus rectangle or scrolling to it.
    void selectRow(int row) const {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED;
        send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    // The first selected row, or -1.
    int selectedRow() const {
        for (int row = 0; row < rowCount(); ++row)
            if ((send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) == LVIS_SELECTED)
                return row;
        return -1;
    }
};
