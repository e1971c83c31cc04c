#pragma once

#include "platform/SpoolerServices.h"
#include "portlist/PortListing.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"

#include <string>

// The last page: the spooler's ports, creating and configuring them, and
// Install.
class SelectPortPage : public Dialog {
public:
    explicit SelectPortPage(SpoolerServices& services);

    // The port of the row selected at Install, exactly as the spooler names
    // it; empty when no row was selected.
    std::string portName;
    ProgressBar installProgress;

protected:
    void doDataExchange() override;
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    // Enter must not end the page: the options page would then report an
    // installation that never ran.
    void onOk() override {}

private:
    Result<std::vector<PortInfo2>> enumeratePorts();
    void showPorts(const Result<std::vector<PortInfo2>>& ports);
    void createPort();
    void configurePort();
    void install();

    SpoolerServices& services;
    ListView portList;
    // The rows as listed, so that a chosen port name is the spooler's own
    // bytes, not a round trip through the list's UTF-16.
    PortListing listing;
    // Why the spooler listed no ports; NoError when it answered.
    ErrorCode portsError = NoError;
};
