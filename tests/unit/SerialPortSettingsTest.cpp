#include "install/SerialPortSettings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

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

// The initial items of the options page's boxes as the resource script lists
// them, by control name, in item order: the texts the user chooses from.
std::map<std::string, std::vector<std::string>> templateItems() {
    std::ifstream script(RESOURCE_SCRIPT);
    std::stringstream text;
    text << script.rdbuf();
    const std::string source = text.str();
    const std::regex entry(R"((IDC_\w+), 0x0403, \d+L, \"([^\"]*)\\000\")");
    std::map<std::string, std::vector<std::string>> items;
    for (std::sregex_iterator it(source.begin(), source.end(), entry), end; it != end; ++it)
        items[(*it)[1]].push_back((*it)[2]);
    return items;
}

std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> fields;
    std::stringstream stream(text);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    return fields;
}

}  // namespace

TEST(SerialPortSettingsTest, TextOrdersTheTokensBaudParityDataStopFlow) {
    // The options page's initial selections.
    EXPECT_EQ(serialSettingsText(settings(5, 3, 0, 2, 2)), "19200,N,8,1,p");
    EXPECT_EQ(serialSettingsText(settings(8, 0, 1, 4, 1)), "115200,S,5,1.5,x");
}

// Every item of every serial box gives the token that its text names: a table
// that falls out of step with the dialog would write another setting than
// the one shown.
TEST(SerialPortSettingsTest, EveryItemOfEverySerialBoxGivesTheTokenItShows) {
    const auto items = templateItems();
    const std::map<std::string, std::string> flowTokens = {{"None", " "}, {"XonXoff", "x"}, {"Hardware", "p"}};
    struct Box {
        const char* control;
        int field;  // in the text
        int SerialPortSettings::* selection;
    };
    const Box boxes[] = {{"IDC_BAUD_RATE", 0, &SerialPortSettings::baudRate},
                         {"IDC_PARITY", 1, &SerialPortSettings::parity},
                         {"IDC_DATA_BITS", 2, &SerialPortSettings::dataBits},
                         {"IDC_STOP_BITS", 3, &SerialPortSettings::stopBits},
                         {"IDC_FLOW_CONTROL", 4, &SerialPortSettings::flowControl}};
    for (const Box& box : boxes) {
        ASSERT_TRUE(items.count(box.control)) << box.control << " has no items in the resource script";
        const std::vector<std::string>& texts = items.at(box.control);
        for (int index = 0; index < static_cast<int>(texts.size()); ++index) {
            SerialPortSettings chosen;
            chosen.*box.selection = index;
            const std::string& item = texts[static_cast<size_t>(index)];
            std::string expected = item;
            if (box.field == 1) expected = item.substr(0, 1);  // the parity's initial
            if (box.field == 4) expected = flowTokens.at(item);
            const std::vector<std::string> fields = tokens(serialSettingsText(chosen));
            ASSERT_EQ(fields.size(), 5u);
            EXPECT_EQ(fields[static_cast<size_t>(box.field)], expected) << box.control << " item " << index;
        }
    }
}

TEST(SerialPortSettingsTest, EveryPortBoxItemNamesItsValueWithAColon) {
    const auto items = templateItems();
    ASSERT_TRUE(items.count("IDC_PORT"));
    const std::vector<std::string>& ports = items.at("IDC_PORT");
    for (int index = 0; index < static_cast<int>(ports.size()); ++index)
        EXPECT_EQ(portValueName(index), ports[static_cast<size_t>(index)] + ":") << "item " << index;
    EXPECT_EQ(ports.at(FirstComPortIndex), "COM1");
}
