#include "platform/SpoolerLibrary.h"

#include "platform/SystemProcedure.h"
#include "platform/WideText.h"

namespace {

// By full path, so that no search order can put another folder first.
HMODULE loadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW(WideText{std::wstring_view(folder, length), L"\\", name}.c_str());
}

}  // namespace

SpoolerLibrary::SpoolerLibrary()
    : module(loadSystemLibrary(L"winspool.drv")),
      enumPortsA(systemProcedure<decltype(enumPortsA)>(module, "EnumPortsA")),
      enumMonitorsA(systemProcedure<decltype(enumMonitorsA)>(module, "EnumMonitorsA")),
      addPortA(systemProcedure<decltype(addPortA)>(module, "AddPortA")),
      configurePortA(systemProcedure<decltype(configurePortA)>(module, "ConfigurePortA")),
      getPrinterDriverDirectoryA(
          systemProcedure<decltype(getPrinterDriverDirectoryA)>(module, "GetPrinterDriverDirectoryA")),
      addPrinterDriverA(systemProcedure<decltype(addPrinterDriverA)>(module, "AddPrinterDriverA")),
      addPrinterA(systemProcedure<decltype(addPrinterA)>(module, "AddPrinterA")),
      openPrinterW(systemProcedure<decltype(openPrinterW)>(module, "OpenPrinterW")),
      getPrinterW(systemProcedure<decltype(getPrinterW)>(module, "GetPrinterW")),
      setPrinterW(systemProcedure<decltype(setPrinterW)>(module, "SetPrinterW")),
      closePrinterFunction(systemProcedure<decltype(closePrinterFunction)>(module, "ClosePrinter")) {}

SpoolerLibrary::~SpoolerLibrary() {
    if (module) FreeLibrary(module);
}
