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
    decltype(&IsValidDevmodeW) const isValidDevmodeW;
    decltype(&ClosePrinter) const closePrinterFunction;
};

// The size protocol for a spooler call that answers whether it succeeded
// and puts the size it needs in a DWORD: `call(buffer, size, &needed)`.
template <typename Call>
Result<std::vector<BYTE>> readSized(Call call) {
    return readWhole([&](BYTE* buffer, std::uint32_t size, std::uint32_t& needed) {
        DWORD asked = 0;
        const ErrorCode error = call(buffer, static_cast<DWORD>(size), &asked) ? NoError : GetLastError();
        needed = asked;
        return error;
    });
}

// The same for an enumeration, `call(buffer, size, &needed, &count)`: the
// count of the read that succeeded bounds the records, and a failed
// enumeration yields none, with its error.
template <typename Call>
Result<std::vector<BYTE>> enumerate(Call call, DWORD& count) {
    Result<std::vector<BYTE>> read = readSized([&](BYTE* buffer, DWORD size, DWORD* needed) {
        count = 0;
        return call(buffer, size, needed, &count);
    });
    if (!read.ok()) count = 0;
    return read;
}
