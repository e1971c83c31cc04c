#include "platform/SpoolerLibrary.h"

#include "platform/SystemLibrary.h"

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
      isValidDevmodeW(systemProcedure<decltype(isValidDevmodeW)>(module, "IsValidDevmodeW")),
      closePrinterFunction(systemProcedure<decltype(closePrinterFunction)>(module, "ClosePrinter")) {}

SpoolerLibrary::~SpoolerLibrary() {
    if (module) FreeLibrary(module);
}
