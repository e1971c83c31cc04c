#pragma once

#include <windows.h>

#include <winspool.h>

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
