#include "ComboBox.h"

#include <vector>

namespace {
const UINT kSendTimeoutMs = 5000;
}

LRESULT ComboBox::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(box_.handle(), message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        return CB_ERR;
    return static_cast<LRESULT>(result);
}

int ComboBox::count() const {
    return static_cast<int>(send(CB_GETCOUNT, 0, 0));
}

int ComboBox::selection() const {
    return static_cast<int>(send(CB_GETCURSEL, 0, 0));
}

std::wstring ComboBox::itemText(int index) const {
    LRESULT length = send(CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

void ComboBox::choose(int index) const {
    send(CB_SETCURSEL, index, 0);
    HWND parent = GetParent(box_.handle());
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(box_.controlId(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box_.handle()));
}
