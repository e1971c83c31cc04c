// The floor under the wizard's install: a page of the port page's size with
// its Install button and progress bar and nothing else. Install runs the
// wizard's own install engine on the real system calls, with the values the
// pages hold after the default walk; the engine moves the bar through this
// page, as it moves the port page's, and the page closes. Running the engine
// itself, rather than a copy of its calls, keeps the floor exact as the
// install changes. Then, like the wizard, it shows the completion message
// and ends once that is dismissed: the probe reads both programs' peak
// working sets while that message is up.
//
// The pause the engine makes on purpose before the last position stays in:
// scripts/bench takes the same 500 ms off the wizard's time and off this
// one's, so that what a real pause costs beyond its length (the sleep's
// overshoot, whatever else the system does in that time) falls on both
// alike. A pause made a no-op would leave it on the wizard's side alone.
#include "BareInstallResource.h"
#include "app/CompletionMessage.h"
#include "app/OsGeneration.h"
#include "catalogue/ModelCatalogue.h"
#include "install/InstallEngine.h"
#include "platform/TextConversion.h"
#include "platform/Win32SpoolerServices.h"
#include "portlist/PortListing.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/Message.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace {

// The Detail Setting page's first port box row.
const int InitialPortIndex = 0;

// What the pages hold after the default walk.
class DefaultWalk : public InstallInputs {
public:
    explicit DefaultWalk(std::string port) : port(std::move(port)) {}

    std::string portName() override { return port; }
    int portIndex() override { return InitialPortIndex; }
    int modelIndex() override { return ModelCatalogue::DefaultModelIndex; }
    // The page starts with the box checked, and the timed walk leaves it so.
    bool defaultPrinterChecked() override { return true; }
    // Read for serial ports only.
    SerialPortSettings serialSettings() override { return {}; }

private:
    std::string port;
};

// Install does what the port page's Install does once a row is selected.
class BareInstallPage : public Dialog, public InstallFeedback {
public:
    BareInstallPage(SpoolerServices& services, InstallInputs& inputs)
        : Dialog(IDD_BARE_INSTALL), services(services), inputs(inputs) {}

    void setProgress(int position) override { progress.setPosition(position); }
    void showMessage(const std::string& text) override { showMessageBox(fromUtf8(text)); }

    InstallOutcome outcome = {false, "The page closed without installing."};

protected:
    void doDataExchange() override { progress.attach(item(IDC_BARE_PROGRESS)); }
    bool onInitDialog() override {
        progress.setRange(0, 100);
        progress.setPosition(0);
        return true;
    }
    bool onCommand(int id, int code) override {
        if (id != IDC_BARE_INSTALL || code != BN_CLICKED) return false;
        outcome = InstallEngine(services, inputs, *this)
                      .run(packageArchitecture(services.isWow64Process(), services.nativeMachine()));
        accept();
        return true;
    }

private:
    SpoolerServices& services;
    InstallInputs& inputs;
    ProgressBar progress;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    Win32SpoolerServices services;
    // Before the page shows, as the wizard has done before Install can be
    // clicked: the system's version is known, the spooler's library loaded
    // and the ports listed.
    DetectOsGeneration(services);
    const PortListing listing = listPorts(services.enumPorts().value);
    if (listing.defaultRow < 0) {
        showMessageBox({L"The spooler lists no port to install on."});
        return 1;
    }
    DefaultWalk walk(listing.rows[static_cast<size_t>(listing.defaultRow)].port);
    BareInstallPage page(services, walk);
    if (page.runModal() != IDOK) return 1;
    if (auto message = completionMessage(OsGeneration, page.outcome)) showMessageBox(fromUtf8(*message));
    return page.outcome.succeeded ? 0 : 1;
}
