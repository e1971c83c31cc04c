#include "install/SerialPortSettings.h"

#include "platform/ComposedText.h"

#include <array>

namespace {

// Each table has exactly as many entries as its box on the options page has
// items, in item order.
const std::array<const char*, 7> PortValueNames = {"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:"};
const std::array<const char*, 9> BaudRateTokens = {"300",   "1200",  "2400",  "4800",  "9600",
                                                   "19200", "38400", "57600", "115200"};
// Even, Mark, None, Odd, Space.
const std::array<const char*, 5> ParityTokens = {"E", "M", "N", "O", "S"};
const std::array<const char*, 4> DataBitsTokens = {"5", "6", "7", "8"};
const std::array<const char*, 3> StopBitsTokens = {"1", "1.5", "2"};
// None is written as one space, never as an empty field.
const std::array<const char*, 3> FlowControlTokens = {" ", "x", "p"};

}  // namespace

std::string portValueName(int portIndex) {
    return PortValueNames.at(portIndex);
}

std::string serialSettingsText(const SerialPortSettings& settings) {
    return composed({BaudRateTokens.at(settings.baudRate), ",", ParityTokens.at(settings.parity), ",",
                     DataBitsTokens.at(settings.dataBits), ",", StopBitsTokens.at(settings.stopBits), ",",
                     FlowControlTokens.at(settings.flowControl)});
}
