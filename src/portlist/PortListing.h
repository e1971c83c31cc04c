#pragma once

#include "platform/SpoolerServices.h"

#include <string>
#include <vector>

struct PortRow {
    std::string port;  // the spooler's port name, verbatim
    std::string type;  // its description
};

struct PortListing {
    std::vector<PortRow> rows;
    int defaultRow = -1;  // -1: no row is chosen
};

// At most this many ports are listed; later records are left out.
constexpr std::size_t MaxPortRows = 256;

// Rows in the spooler's order, and the row to choose first: the last LPT1,
// else the last COM1, else the last FILE port, matched on their first four
// bytes, case-sensitive; a match in row 0 does not count.
PortListing listPorts(const std::vector<PortInfo2>& ports);
