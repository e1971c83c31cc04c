#include "SystemSpoolerState.h"

#include "InstalledState.h"
#include "platform/SpoolerLibrary.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

namespace {

const wchar_t* const kEnvironments[] = {installed::kX86Environment, installed::kX64Environment};

std::wstring textOf(const wchar_t* text) {
    return text ? std::wstring(text) : std::wstring();
}

void addPrinters(SpoolerState& state) {
    DWORD count = 0;
    const std::vector<BYTE> buffer =
        enumerate(
            [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
                return EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, data, size, needed, returned);
            },
            count)
            .value;
    const auto* records = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        state.printers[textOf(records[i].pPrinterName)] =
            textOf(records[i].pPortName) + L", " + textOf(records[i].pDriverName);
}

void addDrivers(SpoolerState& state, const wchar_t* environment) {
    std::wstring environmentText = environment;
    DWORD count = 0;
    const std::vector<BYTE> buffer =
        enumerate(
            [&](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
                return EnumPrinterDriversW(nullptr, &environmentText[0], 1, data, size, needed, returned);
            },
            count)
            .value;
    const auto* records = reinterpret_cast<const DRIVER_INFO_1W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) state.drivers.emplace(environment, textOf(records[i].pName));
}

void addFiles(SpoolerState& state, const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            addFiles(state, folder + L"\\" + name);
        else
            state.files.insert(folder + L"\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void deletePrinter(const std::wstring& name) {
    std::wstring printerName = name;
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(&printerName[0], &printer, &access)) return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}

}  // namespace

SpoolerState currentSpoolerState() {
    SpoolerState state;
    addPrinters(state);
    for (const wchar_t* environment : kEnvironments) {
        addDrivers(state, environment);
        const std::wstring folder = installed::driverDirectory(environment);
        if (!folder.empty()) addFiles(state, folder);
    }
    return state;
}

bool restoreSpoolerState(const SpoolerState& baseline) {
    const SpoolerState added = addedSince(baseline, currentSpoolerState());
    for (const auto& printer : added.printers) deletePrinter(printer.first);
    for (const auto& driver : added.drivers) {
        std::wstring environment = driver.first;
        std::wstring name = driver.second;
        DeletePrinterDriverW(nullptr, &environment[0], &name[0]);
    }
    for (const std::wstring& file : added.files) DeleteFileW(file.c_str());
    return addedSince(baseline, currentSpoolerState()).empty();
}
