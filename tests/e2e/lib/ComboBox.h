#pragma once

#include "Window.h"

#include <string>

// A combo box of another process. The combo-box messages carry their own
// buffers, which the system copies between processes.
class ComboBox {
public:
    explicit ComboBox(Window box) : box_(box) {}

    int count() const;
    // CB_ERR (-1) when nothing is selected.
    int selection() const;
    std::wstring itemText(int index) const;
    // Selects as a user would: the selection, then the change notification
    // to the owning dialog (CB_SETCURSEL alone raises none).
    void choose(int index) const;

private:
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

    Window box_;
};
