#include "pages/CreatePortDialog.h"

#include "install/InstallMessages.h"
#include "pages/PortDialogFailure.h"
#include "platform/TextConversion.h"
#include "resources/resource.h"
#include "ui/Message.h"

namespace {

const int MonitorColumnWidth = 340;

}  // namespace

CreatePortDialog::CreatePortDialog(SpoolerServices& services) : Dialog(IDD_CREATE_PORT), services(services) {}

void CreatePortDialog::doDataExchange() {
    monitorList.attach(item(IDC_MONITOR_LIST));
}

bool CreatePortDialog::onInitDialog() {
    const Result<std::vector<MonitorInfo1>> monitors = services.enumMonitors();
    // An empty list would leave the user guessing: the dialog says why
    // instead and does not open.
    if (!monitors.ok()) {
        showMessageBox(fromUtf8(InstallMessages::portsNotListed(monitors.error, services.errorText(monitors.error))));
        cancel();
        return true;
    }
    monitorList.useGridWithFullRowSelection();
    monitorList.insertColumn(0, L"Available Port Type");
    monitorList.setColumnWidth(0, MonitorColumnWidth);
    for (const MonitorInfo1& monitor : monitors.value) {
        if (!monitor.name) continue;
        services.outputDebugString(*monitor.name + "\n");
        monitorList.insertRow(static_cast<int>(monitorNames.size()), fromAnsi(*monitor.name).c_str());
        monitorNames.push_back(*monitor.name);
    }
    monitorList.selectRow(0);
    return true;
}

bool CreatePortDialog::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_NEW_PORT:
            newPort();
            return true;
        case IDC_CLOSE_MONITORS:
            cancel();
            return true;
        default:
            return false;
    }
}

void CreatePortDialog::newPort() {
    int row = monitorList.selectedRow();
    if (row < 0) return;
    const std::string& monitorName = monitorNames[static_cast<size_t>(row)];
    tellPortDialogFailure(services, InstallMessages::PortDialog::NewPort, monitorName,
                          services.addPort(window(), monitorName));
}
