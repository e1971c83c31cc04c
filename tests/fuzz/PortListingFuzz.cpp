#include "portlist/PortListing.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t MaxRecords = 3000;
constexpr std::size_t MaxDistinctRecords = 16;
constexpr std::size_t MaxShortText = 16;  // short, so that one text leaves bytes for the next records
constexpr std::size_t MaxLongName = 16384;
// Bounds the copies of long names so that one input stays fast.
constexpr std::size_t TextBudget = std::size_t{1} << 20;

// Names the default row looks for, and a near miss, often enough that a short
// run sees several of them in one record set.
constexpr const char* NameStarts[] = {"", "", "LPT1:", "COM1:", "FILE:", "LPT1", "COM1", "COM"};

std::optional<std::string> optionalText(FuzzedDataProvider& input, bool present, const char* start = "") {
    std::string text = start + input.ConsumeRandomLengthString(MaxShortText);
    if (!present) return std::nullopt;
    return text;
}

PortInfo2 record(FuzzedDataProvider& input) {
    const auto shape = input.ConsumeIntegral<std::uint8_t>();
    PortInfo2 port;
    port.portName = optionalText(input, shape & 1, NameStarts[shape >> 5]);
    port.monitorName = optionalText(input, shape & 2);
    port.description = optionalText(input, shape & 4);
    port.portType = input.ConsumeIntegral<std::uint32_t>();
    if ((shape & 8) && port.portName) {
        // Repeating the name keeps its first four bytes, so a long name can still be a default candidate.
        const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(256, MaxLongName);
        std::string& name = *port.portName;
        if (name.empty()) name.push_back('\0');
        while (name.size() < length) name += name;
        name.resize(length);
    }
    return port;
}

// A null text reads as empty, as it does in a listed row.
const std::string& textOf(const std::optional<std::string>& text) {
    static const std::string none;
    return text ? *text : none;
}

std::size_t textSize(const PortInfo2& port) {
    return textOf(port.portName).size() + textOf(port.monitorName).size() + textOf(port.description).size();
}

// A handful of distinct records, spread over any count of slots: by the input
// while it lasts, then in turn, so that a count in the thousands costs few bytes.
std::vector<PortInfo2> recordSet(FuzzedDataProvider& input) {
    const std::size_t distinct = input.ConsumeIntegralInRange<std::size_t>(1, MaxDistinctRecords);
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, MaxRecords);
    std::vector<PortInfo2> palette;
    for (std::size_t i = 0; i < distinct; ++i) palette.push_back(record(input));

    std::vector<PortInfo2> records;
    records.reserve(count);
    std::size_t budget = TextBudget;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t pick = input.remaining_bytes() > 0 ? input.ConsumeIntegral<std::uint8_t>() : i;
        const PortInfo2& chosen = palette[pick % distinct];
        const std::size_t size = textSize(chosen);
        if (size <= budget) {
            budget -= size;
            records.push_back(chosen);
        } else {
            records.emplace_back();
        }
    }
    return records;
}

bool startsWith(const std::optional<std::string>& name, const char* prefix) {
    return name && name->compare(0, 4, prefix) == 0;
}

// The last listed LPT1, else COM1, else FILE port, never the first row.
int expectedDefaultRow(const std::vector<PortInfo2>& records) {
    const std::size_t listed = std::min(records.size(), MaxPortRows);
    for (const char* prefix : {"LPT1", "COM1", "FILE"}) {
        for (std::size_t row = listed; row-- > 1;) {
            if (startsWith(records[row].portName, prefix)) return static_cast<int>(row);
        }
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::vector<PortInfo2> records = recordSet(input);
    const PortListing listing = listPorts(records);

    fuzzCheck(listing.rows.size() == std::min(records.size(), MaxPortRows), "rows are the first 256 records");
    for (std::size_t i = 0; i < listing.rows.size(); ++i) {
        fuzzCheck(listing.rows[i].port == textOf(records[i].portName), "a row shows its record's port name");
        fuzzCheck(listing.rows[i].type == textOf(records[i].description), "a row shows its record's description");
    }

    const int row = listing.defaultRow;
    fuzzCheck(row == -1 || (row >= 1 && static_cast<std::size_t>(row) < listing.rows.size()),
              "the default row is none or a listed row after the first");
    fuzzCheck(row == expectedDefaultRow(records), "the default row follows LPT1, then COM1, then FILE");
    return 0;
}
