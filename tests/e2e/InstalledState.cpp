#include "InstalledState.h"

#include <windows.h>
#include <winspool.h>

#include <cwchar>

namespace installed {
namespace {

const wchar_t kWindowsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const wchar_t kDeviceValue[] = L"Device";

std::wstring textOf(const wchar_t* text) {
    return text ? std::wstring(text) : std::wstring();
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::wstring> splitMultiString(const wchar_t* list) {
    std::vector<std::wstring> items;
    for (const wchar_t* item = list; item && *item; item += wcslen(item) + 1) items.emplace_back(item);
    return items;
}

}  // namespace

std::wstring driverDirectory(const wchar_t* environment) {
    std::wstring environmentText = environment;
    DWORD needed = 0;
    GetPrinterDriverDirectoryW(nullptr, &environmentText[0], 1, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + sizeof(wchar_t), 0);
    if (needed == 0 || !GetPrinterDriverDirectoryW(nullptr, &environmentText[0], 1, buffer.data(), needed, &needed))
        return {};
    return reinterpret_cast<const wchar_t*>(buffer.data());
}

bool isStaged(const std::wstring& directory, const std::wstring& fileName) {
    return fileExists(directory + L"\\" + fileName) || fileExists(directory + L"\\3\\" + fileName);
}

std::optional<DriverRecord> findDriver(const wchar_t* environment, const std::wstring& name) {
    std::wstring environmentText = environment;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrinterDriversW(nullptr, &environmentText[0], 3, nullptr, 0, &needed, &count);
    if (needed == 0) return std::nullopt;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrinterDriversW(nullptr, &environmentText[0], 3, buffer.data(), needed, &needed, &count))
        return std::nullopt;
    const auto* records = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (textOf(records[i].pName) != name) continue;
        return DriverRecord{name, textOf(records[i].pDriverPath), textOf(records[i].pDataFile),
                            textOf(records[i].pHelpFile), splitMultiString(records[i].pDependentFiles)};
    }
    return std::nullopt;
}

std::optional<PrinterRecord> findPrinter(const std::wstring& name) {
    std::wstring printerName = name;
    HANDLE printer = nullptr;
    if (!OpenPrinterW(&printerName[0], &printer, nullptr)) return std::nullopt;
    std::optional<PrinterRecord> found;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && GetPrinterW(printer, 2, buffer.data(), needed, &needed)) {
        const auto* record = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        found = PrinterRecord{textOf(record->pPortName), textOf(record->pDriverName)};
    }
    ClosePrinter(printer);
    return found;
}

std::optional<std::wstring> defaultPrinterValue() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kWindowsKey, kDeviceValue, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, kWindowsKey, kDeviceValue, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text.data());
}

bool prepareDefaultPrinterKey(const std::optional<std::wstring>& earlierDevice) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kWindowsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG status = ERROR_SUCCESS;
    if (earlierDevice) {
        status = RegSetValueExW(key, kDeviceValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(earlierDevice->c_str()),
                                static_cast<DWORD>((earlierDevice->size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace installed
