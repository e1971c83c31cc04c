#pragma once

#include "install/DriverArchitecture.h"
#include "install/SerialPortSettings.h"
#include "platform/SpoolerServices.h"

#include <optional>
#include <string>

// What the run reads from the two open pages, each at the moment it needs it.
class InstallInputs {
public:
    virtual ~InstallInputs() = default;
    virtual std::string portName() = 0;  // the port page's portName
    virtual int portIndex() = 0;         // port box selection
    virtual int modelIndex() = 0;        // model box selection
    virtual bool defaultPrinterChecked() = 0;
    // Read in the order baud rate, data bits, stop bits, parity, flow control.
    virtual SerialPortSettings serialSettings() = 0;
};

// What the run shows while it works.
class InstallFeedback {
public:
    virtual ~InstallFeedback() = default;
    virtual void setProgress(int position) = 0;
    // A modal message box; the run goes on once the user has closed it.
    virtual void showMessage(const std::string& text) = 0;
};

struct InstallOutcome {
    // Every file staged, the driver registered and the printer present.
    bool succeeded = false;
    // When not: what failed and what to do, for one message to the user.
    std::string failure;
};

class InstallEngine {
public:
    InstallEngine(SpoolerServices& services, InstallInputs& inputs, InstallFeedback& feedback);
    // `architecture` is the package that fits the system; none stops the run
    // before it changes anything.
    InstallOutcome run(std::optional<DriverArchitecture> architecture);

private:
    SpoolerServices& services;
    InstallInputs& inputs;
    InstallFeedback& feedback;
};
