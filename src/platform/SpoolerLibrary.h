#pragma once

#include <windows.h>

#include <winspool.h>

#include "platform/SizeProtocol.h"

// The spooler's client library, from the system folder, and the functions
// the wizard calls in it. A function the library lacks is null.
class SpoolerLibrary {
public:
    SpoolerLibrary();
    ~SpoolerLibrary();
    SpoolerLibrary(const SpoolerLibrary&) = delete;
    SpoolerLibrary& operator=(const SpoolerLibrary&) = delete;

private:
    HMODULE module;

public:
    decltype(&EnumPortsA) const enumPortsA;
    decltype(&EnumMonitorsA) const enumMonitorsA;
    decltype(&AddPortA) const addPortA;
    decltype(&ConfigurePortA) const configurePortA;
    decltype(&GetPrinterDriverDirectoryA) const getPrinterDriverDirectoryA;
    decltype(&AddPrinterDriverA) const addPrinterDriverA;
    decltype(&AddPrinterA) const addPrinterA;
    decltype(&OpenPrinterW) const openPrinterW;
    decltype(&GetPrinterW) const getPrinterW;
    decltype(&SetPrinterW) const setPrinterW;
    decltype(&ClosePrinter) const closePrinterFunction;
};

// The size protocol for a spooler enumeration, `call(buffer, size, &needed,
// &count)`: the count of the read that succeeded bounds the records, and a
// failed enumeration yields none.
template <typename Call>
std::vector<BYTE> enumerate(Call call, DWORD& count) {
    Result<std::vector<BYTE>> read = readWhole([&](BYTE* buffer, std::uint32_t size, std::uint32_t& needed) {
        DWORD asked = 0;
        count = 0;
        const ErrorCode error = call(buffer, size, &asked, &count) ? NoError : GetLastError();
        needed = asked;
        return error;
    });
    if (!read.ok()) count = 0;
    return std::move(read.value);
}
