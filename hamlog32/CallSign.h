// A call sign as logs write it, split into the station's own call and the portable text around it.
#pragma once

#include "common/QsoRecord.h"

#include <cstddef>
#include <string_view>

class CallSign {
public:
    // Splits a call written with '/' ("JA1ABC/1", "JA1ABC/QRP", "JD1/JA1ABC", "KH0/JA1ABC/P"): the
    // part that looks like a full call sign is the station; the other parts, joined by '/' in their
    // order, are the portable text. When no part looks like a full call, the first part is the
    // station. Views into written (or into this object), so it must outlive them.
    explicit CallSign(std::string_view written);

    std::string_view station() const { return station_; }
    std::string_view portable() const { return portable_; }

    // True when the portable parts together are longer than a record's portable field, so only the
    // one naming the area (the first with a digit, otherwise the first) is kept.
    bool shortened() const { return shortened_; }

    // True for a text shaped like a full call sign, a prefix with a letter, the area digits and a
    // suffix of letters ("JA1ABC", "7K1XYZ", "4U1ITU"); false for a prefix alone ("JD1", "KH0") or
    // a portable suffix ("1", "P", "QRP").
    static bool looksComplete(std::string_view part);

private:
    static constexpr std::size_t kPortableBytes = sizeof(QsoRecord::portable);

    std::string_view station_;
    std::string_view portable_;
    char joined_[kPortableBytes] = {}; // the portable parts when they stand on both sides
    bool shortened_ = false;
};
