#pragma once

// What the wizard shows, as the scenarios expect to find it. Kept apart from
// the product's own resource header on purpose: a wrong number there must
// make these tests fail, not move with it.
namespace ui {

const wchar_t kSelectOsCaption[] = L"Select OS (x86/x64)";
const wchar_t kDetailSettingCaption[] = L"Detail Setting (x86/x64)";
const wchar_t kSelectPortCaption[] = L"Select Port (x86/x64)";
const wchar_t kAboutCaption[] = L"关于 Brivane";
// Message boxes carry the executable's name without extension.
const wchar_t kMessageCaption[] = L"BrivaneSetup";
const wchar_t kCompletedText[] = L"Completed!";
const wchar_t kNoPortText[] = L"Choose the port the printer is connected to, then press Install.";
// How some stops' messages begin; the rest is advice that may be reworded.
const wchar_t kProtectedPrintOpening[] = L"Windows protected print mode is on";
const wchar_t kSpoolerSilentOpening[] = L"The Print Spooler service does not answer";
// The OK button of the About box and of message boxes.
const int kOkButton = 1;

namespace selectOs {
const int kWinVista = 1020;
const int kWin95 = 1000;
const int kWin98 = 1001;
const int kWinNt4 = 1002;
const int kWin2000 = 1003;
const int kWinXp = 1004;
const int kWin2003 = 1011;
const int kWin7 = 1005;
const int kWin8 = 1006;
const int kBack = 1008;
const int kNext = 1009;
const int kExit = 1010;
const int kRadios[] = {kWinVista, kWin95, kWin98, kWinNt4, kWin2000, kWinXp, kWin2003, kWin7, kWin8};
}  // namespace selectOs

namespace detailSetting {
const int kModel = 1011;
const int kBack = 1008;
const int kNext = 1009;
const int kExit = 1010;
// System commands whose id masked with 0xFFF0 is the About entry's.
const unsigned kAboutCommandFirst = 16;
const unsigned kAboutCommandLast = 31;
// The entry the page appends to its system menu, after a separator.
const unsigned kAboutMenuId = 16;
const wchar_t kAboutMenuText[] = L"关于 Brivane(&A)...";
const int kDefaultPrinter = 1012;
const int kPrinterName = 1013;
const int kPort = 1014;
const int kBaudRate = 1015;
const int kDataBits = 1016;
const int kFlowControl = 1017;
const int kParity = 1018;
const int kStopBits = 1019;
// The five serial boxes, enabled and disabled together; the port box is not one of them.
const int kSerialBoxes[] = {kBaudRate, kDataBits, kStopBits, kParity, kFlowControl};
const int kDefaultModel = 2;
}  // namespace detailSetting

namespace selectPort {
const int kPortList = 1021;
const int kBack = 1010;
const int kInstall = 1022;
const int kCancel = 1023;
const int kCreatePort = 1008;
const int kConfigurePort = 1009;
const int kProgress = 1025;
}  // namespace selectPort

namespace createPort {
const wchar_t kCaption[] = L"Create Port";
const int kMonitorList = 1021;
const int kNewPort = 1008;
const int kClose = 1009;
}  // namespace createPort

// Dialogs of the system's own port monitor, shown inside the wizard's process.
namespace portMonitor {
const wchar_t kAddPortCaption[] = L"Add a Local Port";
const wchar_t kConfigureLptCaption[] = L"Configure LPT Port";
const wchar_t kMonitorName[] = L"Local Port";
}  // namespace portMonitor

}  // namespace ui
