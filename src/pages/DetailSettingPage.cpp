#include "pages/DetailSettingPage.h"

#include "app/AboutDialog.h"
#include "app/CompletionMessage.h"
#include "app/IconPlacement.h"
#include "app/OsGeneration.h"
#include "catalogue/ModelCatalogue.h"
#include "pages/ActivePages.h"
#include "pages/SelectPortPage.h"
#include "platform/TextConversion.h"
#include "resources/resource.h"
#include "ui/Message.h"

namespace {

const int InitialPortIndex = 0;                                    // LPT1
const SerialPortSettings InitialSerialSettings = {5, 3, 0, 2, 2};  // 19200, 8, 1, None, Hardware

}  // namespace

DetailSettingPage::DetailSettingPage(SpoolerServices& services)
    : Dialog(IDD_DETAIL_SETTING),
      services(services),
      pageIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP))) {}

bool DetailSettingPage::onInitDialog() {
    addAboutToSystemMenu();
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pageIcon));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pageIcon));

    modelBox.attach(item(IDC_MODEL));
    modelBox.clear();
    for (int model = 0; model < ModelCatalogue::ModelCount; ++model)
        modelBox.add(fromAnsi(ModelCatalogue::displayName(model)).c_str());
    modelBox.select(ModelCatalogue::DefaultModelIndex);
    SendDlgItemMessageW(window(), IDC_DEFAULT_PRINTER, BM_SETCHECK, BST_CHECKED, 0);
    // Selections made by the program raise no change notifications, so the
    // handlers run here for the initial selections.
    onModelChange();

    portBox.attach(item(IDC_PORT));
    baudRateBox.attach(item(IDC_BAUD_RATE));
    dataBitsBox.attach(item(IDC_DATA_BITS));
    stopBitsBox.attach(item(IDC_STOP_BITS));
    parityBox.attach(item(IDC_PARITY));
    flowControlBox.attach(item(IDC_FLOW_CONTROL));
    portBox.select(InitialPortIndex);
    baudRateBox.select(InitialSerialSettings.baudRate);
    dataBitsBox.select(InitialSerialSettings.dataBits);
    stopBitsBox.select(InitialSerialSettings.stopBits);
    parityBox.select(InitialSerialSettings.parity);
    flowControlBox.select(InitialSerialSettings.flowControl);
    onPortChange();
    return true;
}

void DetailSettingPage::addAboutToSystemMenu() {
    HMENU menu = GetSystemMenu(window(), FALSE);
    if (menu == nullptr) return;
    // LoadStringW with a zero length hands back a pointer into the resource itself.
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUT, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) return;
    WideText about{std::wstring_view(text, static_cast<size_t>(length))};
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUT, about.c_str());
}

bool DetailSettingPage::onCommand(int id, int code) {
    switch (id) {
        case IDC_BACK:
            if (code != BN_CLICKED) return false;
            cancel();
            return true;
        case IDC_NEXT:
            if (code != BN_CLICKED) return false;
            nextAction();
            return true;
        case IDC_EXIT:
            if (code != BN_CLICKED) return false;
            onCancel();
            return true;
        case IDC_MODEL:
            if (code != CBN_SELCHANGE) return false;
            onModelChange();
            return true;
        case IDC_PORT:
            if (code != CBN_SELCHANGE) return false;
            onPortChange();
            return true;
        default:
            return false;
    }
}

void DetailSettingPage::onModelChange() {
    int model = modelBox.selection();
    if (model >= 0 && model < ModelCatalogue::ModelCount)
        SetDlgItemTextW(window(), IDC_PRINTER_NAME, fromAnsi(ModelCatalogue::displayName(model)).c_str());
}

void DetailSettingPage::onPortChange() {
    bool comPort = portBox.selection() >= FirstComPortIndex;
    for (const ComboBox* box : {&baudRateBox, &dataBitsBox, &stopBitsBox, &parityBox, &flowControlBox})
        box->enable(comPort);
}

void DetailSettingPage::nextAction() {
    SelectPortPage portPage(services);
    PortPageOnTop onTop(*this, portPage);
    // Replaced by the install's own outcome; stands when the port page could
    // not be opened or ended without finishing the install.
    installOutcome = {false, "The installation did not run to its end. Run the setup again."};
    INT_PTR result = portPage.runModal();
    if (result == IDCANCEL) return;
    if (auto message = completionMessage(OsGeneration, installOutcome)) showMessageBox(fromUtf8(*message));
    accept();
}

void DetailSettingPage::installEngine(std::optional<DriverArchitecture> architecture) {
    installOutcome = InstallEngine(services, *this, *this).run(architecture);
}

bool DetailSettingPage::onSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) != IDM_ABOUT) return false;
    AboutDialog().runModal();
    return true;
}

bool DetailSettingPage::onPaint() {
    if (!IsIconic(window())) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    SendMessageW(window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(window(), &client);
    DrawIcon(dc, centredIconOffset(client.right - client.left, iconWidth),
             centredIconOffset(client.bottom - client.top, iconHeight), pageIcon);
    EndPaint(window(), &paint);
    return true;
}

std::string DetailSettingPage::portName() {
    return ActivePortPage->portName;
}

int DetailSettingPage::portIndex() {
    return portBox.selection();
}

int DetailSettingPage::modelIndex() {
    return modelBox.selection();
}

bool DetailSettingPage::defaultPrinterChecked() {
    defaultPrinterBox.attach(item(IDC_DEFAULT_PRINTER));
    return defaultPrinterBox.checked();
}

SerialPortSettings DetailSettingPage::serialSettings() {
    SerialPortSettings settings;
    settings.baudRate = baudRateBox.selection();
    settings.dataBits = dataBitsBox.selection();
    settings.stopBits = stopBitsBox.selection();
    settings.parity = parityBox.selection();
    settings.flowControl = flowControlBox.selection();
    return settings;
}

void DetailSettingPage::setProgress(int position) {
    ActivePortPage->installProgress.setPosition(position);
}

void DetailSettingPage::showMessage(const std::string& text) {
    showMessageBox(fromUtf8(text));
}
