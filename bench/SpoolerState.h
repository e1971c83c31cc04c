#pragma once

// What an install changes in the spooler: its printers, its drivers and the
// files of its driver folders. Kept free of Windows types so that the
// comparison below is tested without Windows.

#include <map>
#include <set>
#include <string>
#include <utility>

struct SpoolerState {
    // By name: the port and the driver, as "port, driver".
    std::map<std::wstring, std::wstring> printers;
    // Environment and name.
    std::set<std::pair<std::wstring, std::wstring>> drivers;
    // Full paths of the files in the driver folders, subfolders included.
    std::set<std::wstring> files;

    bool empty() const { return printers.empty() && drivers.empty() && files.empty(); }
    bool operator==(const SpoolerState& other) const {
        return printers == other.printers && drivers == other.drivers && files == other.files;
    }
    bool operator!=(const SpoolerState& other) const { return !(*this == other); }
};

// What `after` holds that `before` does not. A printer that was there before
// counts as well when it now sits on another port or driver: taking it away
// would not give `before` back, and the comparison must show it.
SpoolerState addedSince(const SpoolerState& before, const SpoolerState& after);

// One item a line, for a report.
std::wstring describe(const SpoolerState& state);
