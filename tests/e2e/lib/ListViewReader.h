#pragma once

#include "Window.h"

#include <windows.h>

#include <string>

// Reads (and for tests that need it, changes the selection of) a report-view
// list in another process. The driver and the wizard are both 32-bit, so the
// records have the same layout on both sides.
class ListViewReader {
public:
    ListViewReader(HANDLE process, Window listView) : process_(process), listView_(listView) {}

    int rowCount() const;
    int columnCount() const;
    std::wstring columnTitle(int column) const;
    int columnWidth(int column) const;
    std::wstring cellText(int row, int column) const;
    UINT rowState(int row, UINT mask) const;
    // First selected row, or -1.
    int selectedRow() const;
    DWORD extendedStyle() const;
    // row -1 applies the state to every row.
    bool setRowState(int row, UINT state, UINT mask) const;

private:
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HANDLE process_;
    Window listView_;
};
