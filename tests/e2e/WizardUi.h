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
}  // namespace detailSetting

namespace selectPort {
const int kPortList = 1021;
const int kBack = 1010;
const int kInstall = 1022;
const int kCancel = 1023;
}  // namespace selectPort

}  // namespace ui
