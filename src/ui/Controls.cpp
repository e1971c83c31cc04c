#include "ui/Controls.h"

#include <vector>

std::wstring ListView::cell(int row, int column) const {
    // LVM_GETITEMTEXT truncates silently, so grow the buffer until the text fits.
    std::vector<wchar_t> buffer(64);
    for (;;) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        auto length =
            static_cast<size_t>(send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}
