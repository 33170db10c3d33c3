// One composed line of the log sheet: the texts of one QSO's columns (CP932).
#pragma once

#include <cstdint>
#include <string>

struct LogRow {
    std::string monthDay;   // "MM/DD"
    std::string hourMinute; // "HH:MM"
    std::string station;    // call sign, with "/portable" when there is one
    std::string sent;
    std::string received;
    std::string multiplier; // empty unless this QSO brings the multiplier first on its band
    std::string points;
    std::string operatorText; // the operator column ("operator" is a C++ keyword)
    std::string remarks;
    // Bytes of sent and received that the rule's first component wrote: the report, which the
    // electronic logs separate from the number that follows. A component writes at most 255 bytes.
    std::uint8_t sentReportBytes = 0;
    std::uint8_t receivedReportBytes = 0;

    bool operator==(const LogRow&) const = default;
};
