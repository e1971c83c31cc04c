#include "SpoolerState.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Set>
Set missingFrom(const Set& before, const Set& after) {
    Set added;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::inserter(added, added.end()));
    return added;
}

}  // namespace

SpoolerState addedSince(const SpoolerState& before, const SpoolerState& after) {
    SpoolerState added;
    added.printers = missingFrom(before.printers, after.printers);
    added.drivers = missingFrom(before.drivers, after.drivers);
    added.files = missingFrom(before.files, after.files);
    return added;
}

std::wstring describe(const SpoolerState& state) {
    std::wstring text;
    for (const auto& printer : state.printers) text += L"printer " + printer.first + L" on " + printer.second + L"\n";
    for (const auto& driver : state.drivers) text += L"driver " + driver.second + L" for " + driver.first + L"\n";
    for (const std::wstring& file : state.files) text += L"file " + file + L"\n";
    return text;
}
