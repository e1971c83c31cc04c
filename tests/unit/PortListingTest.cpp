#include "portlist/PortListing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

// `count` ports that match none of the three names, except the named rows.
std::vector<PortInfo2> ports(std::size_t count, std::initializer_list<std::pair<std::size_t, const char*>> named) {
    std::vector<PortInfo2> records(count);
    for (std::size_t i = 0; i < count; ++i) {
        records[i].portName = "NE" + std::to_string(i) + ":";
        records[i].description = "Local Port";
    }
    for (const auto& [row, name] : named) {
        records[row].portName = name;
    }
    return records;
}

int defaultRowOf(std::size_t count, std::initializer_list<std::pair<std::size_t, const char*>> named) {
    return listPorts(ports(count, named)).defaultRow;
}

TEST(PortListing, RowsKeepTheSpoolerOrderAndText) {
    std::vector<PortInfo2> records = ports(3, {{0, "COM1:"}, {1, "\\\\srv\\q"}, {2, "LPT3:"}});
    records[1].description = "Network";
    records[2].description.reset();
    const PortListing listing = listPorts(records);
    ASSERT_EQ(listing.rows.size(), 3u);
    EXPECT_EQ(listing.rows[0].port, "COM1:");
    EXPECT_EQ(listing.rows[0].type, "Local Port");
    EXPECT_EQ(listing.rows[1].port, "\\\\srv\\q");
    EXPECT_EQ(listing.rows[1].type, "Network");
    EXPECT_EQ(listing.rows[2].type, "") << "a null description is an empty cell";

    EXPECT_TRUE(listPorts({}).rows.empty());
    EXPECT_EQ(listPorts({}).defaultRow, -1);
}

TEST(PortListing, Lpt1BeforeCom1BeforeFile) {
    EXPECT_EQ(defaultRowOf(6, {{0, "LPT1:"}, {3, "COM1:"}}), 3) << "LPT1 in row 0 counts as no match";
    EXPECT_EQ(defaultRowOf(6, {{0, "COM1:"}, {5, "LPT1:"}}), 5);
    EXPECT_EQ(defaultRowOf(6, {{1, "LPT1:"}, {2, "COM1:"}, {4, "FILE:"}}), 1);
    EXPECT_EQ(defaultRowOf(6, {{2, "COM1:"}, {4, "FILE:"}}), 2);
    EXPECT_EQ(defaultRowOf(6, {{4, "FILE:"}}), 4);
    EXPECT_EQ(defaultRowOf(6, {{0, "FILE:"}}), -1);
    EXPECT_EQ(defaultRowOf(6, {{1, "COM1:"}}), 1) << "row 1 is the first that counts";
    EXPECT_EQ(defaultRowOf(6, {{1, "FILE:"}}), 1);
}

TEST(PortListing, LaterMatchReplacesEarlier) {
    EXPECT_EQ(defaultRowOf(10, {{2, "COM1:"}, {9, "COM10:"}}), 9);
    EXPECT_EQ(defaultRowOf(10, {{7, "LPT1:"}, {8, "LPT1"}}), 8);
    EXPECT_EQ(defaultRowOf(10, {{3, "FILE:"}, {6, "FILE2:"}, {8, "FILEX"}}), 8);
}

TEST(PortListing, NamesMatchOnFourBytesExactly) {
    for (const char* name : {"lpt1:", "Lpt1:", "LPT", "", "LPT2:", "COM", "FIL", " LPT1:"}) {
        EXPECT_EQ(defaultRowOf(3, {{1, name}}), -1) << '"' << name << '"';
    }
    std::vector<PortInfo2> records = ports(3, {});
    records[1].portName.reset();
    EXPECT_EQ(listPorts(records).defaultRow, -1) << "a null port name";
}

TEST(PortListing, AtMost256Rows) {
    const PortListing listing = listPorts(ports(300, {{255, "COM1:"}, {270, "LPT1:"}}));
    ASSERT_EQ(listing.rows.size(), MaxPortRows);
    EXPECT_EQ(listing.rows.back().port, "COM1:");
    EXPECT_EQ(listing.defaultRow, 255);
}

}  // namespace
