// The fifteen amateur bands korvane tallies, and the band index of a frequency text.
#pragma once

#include "hamlog32/Megahertz.h"

#include <cstdint>
#include <string_view>

class BandPlan {
public:
    static constexpr int kBandCount = 15;
    static constexpr int kOtherBand = 15;

    // Band index 0 (1.9 MHz) to 14 (5600 MHz) of the leading number of text in MHz, blanks around
    // it ignored; kOtherBand for a number outside every band or a text without a number.
    static int indexOf(std::string_view text);
    // The same for a value already read.
    static int indexOf(const Megahertz& value);

    // The band's label as korvane prints it ("1.9", "3.5", "7", ... "5600"); "" for kOtherBand.
    static std::string_view label(int index);
};
