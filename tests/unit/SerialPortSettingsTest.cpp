#include "install/SerialPortSettings.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

SerialPortSettings settings(int baudRate, int dataBits, int stopBits, int parity, int flowControl) {
    SerialPortSettings chosen;
    chosen.baudRate = baudRate;
    chosen.dataBits = dataBits;
    chosen.stopBits = stopBits;
    chosen.parity = parity;
    chosen.flowControl = flowControl;
    return chosen;
}

}  // namespace

TEST(SerialPortSettingsTest, TextOrdersTheTokensBaudParityDataStopFlow) {
    // The options page's initial selections.
    EXPECT_EQ(serialSettingsText(settings(5, 3, 0, 2, 2)), "19200,N,8,1,p");
    EXPECT_EQ(serialSettingsText(settings(8, 0, 1, 4, 1)), "115200,S,5,1.5,x");
    EXPECT_EQ(serialSettingsText(settings(0, 2, 2, 3, 2)), "300,O,7,2,p");
}

TEST(SerialPortSettingsTest, FlowControlNoneIsOneSpace) {
    const std::string text = serialSettingsText(settings(5, 3, 0, 2, 0));
    EXPECT_EQ(text, "19200,N,8,1, ");
    EXPECT_EQ(text.substr(text.size() - 2), ", ");
}

TEST(SerialPortSettingsTest, EveryParityItemHasItsOwnInitial) {
    const char* const expected[] = {"E", "M", "N", "O", "S"};  // Even, Mark, None, Odd, Space
    for (int parity = 0; parity < 5; ++parity)
        EXPECT_EQ(serialSettingsText(settings(4, 3, 0, parity, 2)), std::string("9600,") + expected[parity] + ",8,1,p");
}

TEST(SerialPortSettingsTest, PortValueNamesKeepTheirColon) {
    const char* const expected[] = {"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:"};
    for (int index = 0; index < 7; ++index) EXPECT_EQ(portValueName(index), expected[index]);
    EXPECT_EQ(portValueName(FirstComPortIndex), "COM1:");
}

TEST(SerialPortSettingsTest, ASelectionOutsideItsBoxIsRefusedNotRead) {
    EXPECT_THROW(portValueName(7), std::out_of_range);
    EXPECT_THROW(serialSettingsText(settings(5, 3, 0, -1, 2)), std::out_of_range);  // CB_ERR
    EXPECT_THROW(serialSettingsText(settings(5, 3, 3, 2, 2)), std::out_of_range);
}
