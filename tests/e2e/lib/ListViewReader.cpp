#include "ListViewReader.h"

#include "RemoteMemory.h"

#include <commctrl.h>

namespace {
const UINT kSendTimeoutMs = 5000;
const int kTextCapacity = 1024;
}  // namespace

LRESULT ListViewReader::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(listView_.handle(), message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

int ListViewReader::rowCount() const {
    return static_cast<int>(send(LVM_GETITEMCOUNT, 0, 0));
}

int ListViewReader::columnCount() const {
    Window header(reinterpret_cast<HWND>(send(LVM_GETHEADER, 0, 0)));
    DWORD_PTR count = 0;
    if (!header.exists() ||
        !SendMessageTimeoutW(header.handle(), HDM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count))
        return -1;
    return static_cast<int>(count);
}

std::wstring ListViewReader::columnTitle(int column) const {
    RemoteMemory remote(process_, sizeof(LVCOLUMNW) + kTextCapacity * sizeof(wchar_t));
    LVCOLUMNW record = {};
    record.mask = LVCF_TEXT;
    record.pszText = reinterpret_cast<LPWSTR>(remote.address(sizeof record));
    record.cchTextMax = kTextCapacity;
    if (!remote.write(&record, sizeof record) || !send(LVM_GETCOLUMNW, column, remote.address())) return {};
    wchar_t text[kTextCapacity] = {};
    remote.read(text, sizeof text - sizeof(wchar_t), sizeof record);
    return text;
}

int ListViewReader::columnWidth(int column) const {
    return static_cast<int>(send(LVM_GETCOLUMNWIDTH, column, 0));
}

std::wstring ListViewReader::cellText(int row, int column) const {
    RemoteMemory remote(process_, sizeof(LVITEMW) + kTextCapacity * sizeof(wchar_t));
    LVITEMW record = {};
    record.iSubItem = column;
    record.pszText = reinterpret_cast<LPWSTR>(remote.address(sizeof record));
    record.cchTextMax = kTextCapacity;
    if (!remote.write(&record, sizeof record)) return {};
    LRESULT length = send(LVM_GETITEMTEXTW, row, remote.address());
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    remote.read(&text[0], text.size() * sizeof(wchar_t), sizeof record);
    return text;
}

UINT ListViewReader::rowState(int row, UINT mask) const {
    return static_cast<UINT>(send(LVM_GETITEMSTATE, row, mask));
}

int ListViewReader::selectedRow() const {
    return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

DWORD ListViewReader::extendedStyle() const {
    return static_cast<DWORD>(send(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

bool ListViewReader::setRowState(int row, UINT state, UINT mask) const {
    RemoteMemory remote(process_, sizeof(LVITEMW));
    LVITEMW record = {};
    record.state = state;
    record.stateMask = mask;
    return remote.write(&record, sizeof record) && send(LVM_SETITEMSTATE, row, remote.address()) == TRUE;
}
