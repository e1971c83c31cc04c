#include "pages/SelectPortPage.h"

#include "install/InstallMessages.h"
#include "pages/ActivePages.h"
#include "pages/CreatePortDialog.h"
#include "pages/DetailSettingPage.h"
#include "pages/PortDialogFailure.h"
#include "platform/TextConversion.h"
#include "portlist/PortListing.h"
#include "resources/resource.h"
#include "ui/Message.h"

namespace {

const int PortColumnWidth = 150;
const int TypeColumnWidth = 280;

const wchar_t NoPortChosenMessage[] = L"Choose the port the printer is connected to, then press Install.";

}  // namespace

SelectPortPage::SelectPortPage(SpoolerServices& services) : Dialog(IDD_SELECT_PORT), services(services) {}

void SelectPortPage::doDataExchange() {
    installProgress.attach(item(IDC_PROGRESS));
    portList.attach(item(IDC_PORT_LIST));
}

bool SelectPortPage::onInitDialog() {
    const Result<std::vector<PortInfo2>> ports = enumeratePorts();
    portList.insertColumn(0, L"Port");
    portList.insertColumn(1, L"Type");
    portList.setColumnWidth(0, PortColumnWidth);
    portList.setColumnWidth(1, TypeColumnWidth);
    showPorts(ports);
    installProgress.setRange(0, 100);
    installProgress.setPosition(0);
    return true;
}

// The first listing and every rebuild alike: ask the spooler, then restyle
// the list before any row goes in.
Result<std::vector<PortInfo2>> SelectPortPage::enumeratePorts() {
    Result<std::vector<PortInfo2>> ports = services.enumPorts();
    portList.useGridWithFullRowSelection();
    return ports;
}

void SelectPortPage::showPorts(const Result<std::vector<PortInfo2>>& ports) {
    portsError = ports.error;
    listing = listPorts(ports.value);
    for (size_t row = 0; row < listing.rows.size(); ++row) {
        services.outputDebugString(listing.rows[row].port + "\n");
        portList.insertRow(static_cast<int>(row), fromAnsi(listing.rows[row].port).c_str());
        portList.setCell(static_cast<int>(row), 1, fromAnsi(listing.rows[row].type).c_str());
    }
    if (listing.defaultRow >= 0) portList.selectRow(listing.defaultRow);
}

bool SelectPortPage::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_CREATE_PORT:
            createPort();
            return true;
        case IDC_CONFIGURE_PORT:
            configurePort();
            return true;
        case IDC_PORT_BACK:
            cancel();
            return true;
        case IDC_INSTALL:
            install();
            return true;
        case IDC_PORT_CANCEL:
            onCancel();
            return true;
        default:
            return false;
    }
}

void SelectPortPage::createPort() {
    CreatePortDialog(services).runModal();
    // The monitor may have added a port, or none: list them all anew.
    portList.clear();
    showPorts(enumeratePorts());
}

void SelectPortPage::configurePort() {
    int row = portList.selectedRow();
    if (row < 0) return;
    const std::string& port = listing.rows[static_cast<size_t>(row)].port;
    tellPortDialogFailure(services, InstallMessages::PortDialog::Configure, port,
                          services.configurePort(window(), port));
}

void SelectPortPage::install() {
    int row = portList.selectedRow();
    // A click on the list's empty area clears the selection; a printer without
    // a port could not print, so the page stays open for the user to choose.
    // A list left empty by a spooler that did not answer has nothing to
    // choose from: the user is told why instead.
    if (row < 0) {
        showMessageBox(portsError == NoError
                           ? WideText{NoPortChosenMessage}
                           : fromUtf8(InstallMessages::portsNotListed(portsError, services.errorText(portsError))));
        return;
    }
    portName = listing.rows[static_cast<size_t>(row)].port;
    ActiveDetailPage->installEngine(packageArchitecture(services.isWow64Process(), services.nativeMachine()));
    accept();
}
