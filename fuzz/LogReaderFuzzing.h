// What both log-format fuzz targets do: read any bytes as one format and check every record.
#pragma once

#include "hamlog32/AddressCode.h"
#include "hamlog32/BandPlan.h"
#include "hamlog32/LogDatabase.h"
#include "hamlog32/Megahertz.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace log_fuzzing {

inline bool isDigits(std::string_view text, std::size_t count) {
    if (text.size() != count) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// What every reader promises of a record it accepts; a broken promise stops the run. zones holds
// the time-zone letters the format can produce.
inline void check(const QsoRecord& record, std::string_view zones) {
    std::string_view time = QsoRecord::text(record.qsoTime);
    if (!isDigits(QsoRecord::text(record.qsoDate), 6) || time.size() != 5 ||
        !isDigits(time.substr(0, 4), 4) || zones.find(time[4]) == std::string_view::npos) {
        std::abort();
    }
    int band = BandPlan::indexOf(QsoRecord::text(record.freq));
    int kind = AddressCode::kindOf(QsoRecord::text(record.code));
    if (band < 0 || band > BandPlan::kOtherBand || kind < 0 || kind > AddressCode::kCountyTown) {
        std::abort();
    }
}

// Reads every record of text through a window of windowBytes; the records in order.
inline std::vector<QsoRecord> readAll(const std::string& text, LogFormat format,
                                      std::size_t windowBytes) {
    std::vector<QsoRecord> records;
    std::unique_ptr<LogDatabase> database = LogDatabase::fromText(text, format, windowBytes);
    if (!database) {
        return records;
    }
    QsoRecord record;
    std::vector<int> cutFields;
    while (database->read(records.size() + 1, record)) {
        records.push_back(record);
        cutFields.push_back(database->cutFields());
        // No record has more fields to cut than it holds.
        if (cutFields.back() < 0 || cutFields.back() > QsoRecord::kFieldCount) {
            std::abort();
        }
    }
    // Past the end stays past the end, and every record reads back the same out of order, with
    // the same count of cut fields.
    if (database->read(records.size() + 1, record)) {
        std::abort();
    }
    for (std::size_t n = records.size(); n >= 1; n /= 2) {
        if (!database->read(n, record) || std::memcmp(&record, &records[n - 1], sizeof record) ||
            database->cutFields() != cutFields[n - 1]) {
            std::abort();
        }
    }
    return records;
}

inline int run(const std::uint8_t* data, std::size_t size, LogFormat format, std::string_view zones,
               void (*extraCheck)(const QsoRecord&) = nullptr) {
    std::string text(reinterpret_cast<const char*>(data), size);
    LogFormatDetector::detect(text);
    std::vector<QsoRecord> records = readAll(text, format, LogDatabase::kWindowBytes);
    for (const QsoRecord& record : records) {
        check(record, zones);
        if (extraCheck) {
            extraCheck(record);
        }
    }
    // A window far smaller than the records, refilled and grown on the way, reads the same.
    std::vector<QsoRecord> windowed = readAll(text, format, 16);
    if (windowed.size() != records.size() ||
        (!records.empty() &&
         std::memcmp(windowed.data(), records.data(), records.size() * sizeof(QsoRecord)))) {
        std::abort();
    }
    return 0;
}

} // namespace log_fuzzing
