// The band table behind FreqPCheck and the band labels.
#include "hamlog32/BandPlan.h"

namespace {

struct Band {
    std::uint64_t lowHz;
    std::uint64_t highHz;
    std::string_view label;
};

// Each range spans the Japanese allocation and the band's own label, both ends included, so a label
// such as "1.9" or "5600" classifies as its band just as a real operating frequency does.
constexpr Band kBands[BandPlan::kBandCount] = {
    {1'800'000, 2'000'000, "1.9"},
    {3'500'000, 4'000'000, "3.5"},
    {7'000'000, 7'300'000, "7"},
    {10'000'000, 10'150'000, "10"},
    {14'000'000, 14'350'000, "14"},
    {18'000'000, 18'168'000, "18"},
    {21'000'000, 21'450'000, "21"},
    {24'000'000, 24'990'000, "24"},
    {28'000'000, 29'700'000, "28"},
    {50'000'000, 54'000'000, "50"},
    {144'000'000, 146'000'000, "144"},
    {430'000'000, 440'000'000, "430"},
    {1'200'000'000, 1'300'000'000, "1200"},
    {2'400'000'000, 2'450'000'000, "2400"},
    {5'600'000'000, 5'850'000'000, "5600"},
};

// indexOf stops at the first band that does not end below the value.
constexpr bool inAscendingOrderWithoutOverlap() {
    for (int i = 0; i < BandPlan::kBandCount; ++i) {
        if (kBands[i].lowHz > kBands[i].highHz ||
            (i > 0 && kBands[i - 1].highHz >= kBands[i].lowHz)) {
            return false;
        }
    }
    return true;
}
static_assert(inAscendingOrderWithoutOverlap());

} // namespace

int BandPlan::indexOf(std::string_view text) {
    std::optional<Megahertz> value = Megahertz::parseLeading(text);
    return value ? indexOf(*value) : kOtherBand;
}

int BandPlan::indexOf(const Megahertz& value) {
    // Only the first band whose top is not below the value can hold it.
    for (int i = 0; i < kBandCount; ++i) {
        if (value.hertz() <= kBands[i].highHz) {
            return value.within(kBands[i].lowHz, kBands[i].highHz) ? i : kOtherBand;
        }
    }
    return kOtherBand;
}

std::string_view BandPlan::label(int index) {
    return index >= 0 && index < kBandCount ? kBands[index].label : std::string_view("");
}
