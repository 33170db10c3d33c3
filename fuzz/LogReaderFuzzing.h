// What both log-format fuzz targets do: read any bytes as one format and check every record.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "AddressCode.h"
#include "BandPlan.h"
#include "LogDatabase.h"
#include "Megahertz.h"

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

inline int run(const std::uint8_t* data, std::size_t size, LogFormat format, std::string_view zones,
               void (*extraCheck)(const QsoRecord&) = nullptr) {
    std::string text(reinterpret_cast<const char*>(data), size);
    LogFormatDetector::detect(text);
    std::unique_ptr<LogDatabase> database = LogDatabase::fromText(text, format);
    if (!database) {
        return 0;
    }
    QsoRecord record;
    for (std::size_t n = 1; n <= database->size(); ++n) {
        if (!database->read(n, record)) {
            std::abort();
        }
        check(record, zones);
        if (extraCheck) {
            extraCheck(record);
        }
    }
    if (database->read(database->size() + 1, record)) {
        std::abort();
    }
    return 0;
}

} // namespace log_fuzzing
