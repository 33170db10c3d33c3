// The ADIF band names with the frequency text each stands for.
#include "hamlog32/AdifBand.h"

#include "common/Cp932.h"

namespace {

struct Entry {
    std::string_view name;
    std::string_view megahertz;
};

// Bands that korvane tallies get their band label ("1.9", "7", "430", "1200"), so the caller's band
// lookup files them where a QSO with a real frequency would go (the ADIF lower edges of 70 cm and
// 13 cm, 420 and 2300 MHz, lie outside the Japanese bands); the others get the lower edge of the
// ADIF band table.
constexpr Entry kBands[] = {
    {"2190m", "0.1357"},
    {"630m", "0.472"},
    {"560m", "0.501"},
    {"160m", "1.9"},
    {"80m", "3.5"},
    {"60m", "5.06"},
    {"40m", "7"},
    {"30m", "10"},
    {"20m", "14"},
    {"17m", "18"},
    {"15m", "21"},
    {"12m", "24"},
    // 5 m starts just above 54 MHz; 54.000001 does not fit the eight-byte field.
    {"10m", "28"},
    {"8m", "40"},
    {"6m", "50"},
    {"5m", "54.00001"},
    {"4m", "70"},
    {"2m", "144"},
    {"1.25m", "222"},
    {"70cm", "430"},
    {"33cm", "902"},
    {"23cm", "1200"},
    {"13cm", "2400"},
    {"9cm", "3300"},
    {"6cm", "5600"},
    {"3cm", "10000"},
    {"1.25cm", "24000"},
    {"6mm", "47000"},
    {"4mm", "75500"},
    {"2.5mm", "119980"},
    {"2mm", "134000"},
    {"1mm", "241000"},
    {"submm", "300000"},
};

} // namespace

std::string_view AdifBand::frequencyOf(std::string_view band) {
    band = cp932::trim(band);
    for (const Entry& entry : kBands) {
        if (cp932::equalsNoCase(entry.name, band)) {
            return entry.megahertz;
        }
    }
    return "";
}
