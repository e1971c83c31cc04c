#pragma once

#include <string>

// The selections of the options page's five serial boxes, as item indexes.
struct SerialPortSettings {
    int baudRate = 0;
    int dataBits = 0;
    int stopBits = 0;
    int parity = 0;
    int flowControl = 0;
};

// Port box indexes 3 and up name COM ports; only those get serial defaults.
constexpr int FirstComPortIndex = 3;

// "LPT1:" ... "COM4:" for the port box index 0 to 6.
std::string portValueName(int portIndex);

// The "Ports" value data: baud rate, parity, data bits, stop bits and flow
// control tokens joined by commas, e.g. "19200,N,8,1,p".
std::string serialSettingsText(const SerialPortSettings& settings);
