// The floor under the wizard's install: the wizard's own install run, on the
// real system calls and the values its pages hold when Install is clicked
// after the default walk, with no window and without the pause the wizard
// makes on purpose. Running the engine itself, rather than a copy of its
// calls, keeps the floor exact as the install changes.
// Prints "<milliseconds> <peak working set in KB>": the time from just
// before the architecture check, where the wizard's Install handler begins,
// until the run returns; the peak once it has returned. Exits with 1, and
// says why, if the install did not succeed.
#include "ProcessMemory.h"
#include "Stopwatch.h"
#include "catalogue/ModelCatalogue.h"
#include "install/InstallEngine.h"
#include "platform/Win32SpoolerServices.h"
#include "portlist/PortListing.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

// The Detail Setting page's first port box row.
const int InitialPortIndex = 0;

class UnpausedServices : public Win32SpoolerServices {
public:
    void sleep(std::uint32_t) override {}
};

// What the pages hold after the default walk; nothing is shown.
class DefaultWalk : public InstallInputs, public InstallFeedback {
public:
    explicit DefaultWalk(std::string port) : port(std::move(port)) {}

    std::string portName() override { return port; }
    int portIndex() override { return InitialPortIndex; }
    int modelIndex() override { return ModelCatalogue::DefaultModelIndex; }
    // The page starts with the box checked, and the timed walk leaves it so.
    bool defaultPrinterChecked() override { return true; }
    // Read for serial ports only.
    SerialPortSettings serialSettings() override { return {}; }
    void installingOn(const std::string&) override {}
    void setProgress(int) override {}
    void showMessage(const std::string& text) override { messages += text + "\n"; }

    std::string messages;

private:
    std::string port;
};

// A program of the Windows subsystem has no console: the lines go to the
// handle its starter gave it.
void writeOut(const std::string& text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    UnpausedServices services;
    // As the port page has done before Install can be clicked: the spooler's
    // library is loaded and the ports are listed.
    const PortListing listing = listPorts(services.enumPorts());
    if (listing.defaultRow < 0) {
        writeOut("the spooler lists no port to install on\n");
        return 1;
    }
    DefaultWalk walk(listing.rows[static_cast<size_t>(listing.defaultRow)].port);

    const Stopwatch watch;
    const InstallOutcome outcome = InstallEngine(services, walk, walk)
                                       .run(packageArchitecture(services.isWow64Process(), services.nativeMachine()));
    const double milliseconds = watch.elapsedMs();

    if (!outcome.succeeded || !walk.messages.empty()) {
        writeOut(outcome.failure + "\n" + walk.messages);
        return 1;
    }
    char line[64];
    std::snprintf(line, sizeof line, "%.2f %lu\n", milliseconds,
                  static_cast<unsigned long>(peakWorkingSetBytes(GetCurrentProcess()) / 1024));
    writeOut(line);
    return 0;
}
