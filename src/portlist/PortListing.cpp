#include "portlist/PortListing.h"

#include <cstring>
#include <utility>

namespace {

// Only the first four bytes count, so "COM10:" is a COM1 port too.
bool namesPort(const std::string& portName, const char* prefix) {
    return std::strncmp(portName.c_str(), prefix, 4) == 0;
}

}  // namespace

PortListing listPorts(const std::vector<PortInfo2>& ports) {
    PortListing listing;
    int com1Row = 0;
    int lpt1Row = 0;
    int fileRow = 0;
    const std::size_t count = ports.size() < MaxPortRows ? ports.size() : MaxPortRows;
    for (std::size_t i = 0; i < count; ++i) {
        const PortInfo2& record = ports[i];
        PortRow row{record.portName.value_or(std::string()), record.description.value_or(std::string())};
        const int rowIndex = static_cast<int>(i);
        if (namesPort(row.port, "COM1")) {
            com1Row = rowIndex;
        } else if (namesPort(row.port, "LPT1")) {
            lpt1Row = rowIndex;
        } else if (namesPort(row.port, "FILE")) {
            fileRow = rowIndex;
        }
        listing.rows.push_back(std::move(row));
    }
    // A candidate left at row 0 is indistinguishable from no match, so a port in the first row is never chosen.
    if (lpt1Row > 0) {
        listing.defaultRow = lpt1Row;
    } else if (com1Row > 0) {
        listing.defaultRow = com1Row;
    } else if (fileRow > 0) {
        listing.defaultRow = fileRow;
    }
    return listing;
}
