// Pairing the composed rows with the QSO list.
#include "print/ElectronicLogQsos.h"

#include "exchange/BandTable.h"

#include <array>
#include <vector>

void ElectronicLogQsos::forEach(const CKorvaneDoc& doc,
                                const std::function<bool(const Qso&)>& visit) {
    // One pass over the list files each QSO under every band whose label it carries.
    const QsoList& list = doc.qsoList;
    std::array<std::vector<std::size_t>, BandTable::kBandCount> itemsOfBand;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string_view freq = list.field(i, QsoRecord::kFreq);
        for (int band = 0; band < BandTable::kBandCount; ++band) {
            if (freq == BandTable::listLabel(band)) {
                itemsOfBand[static_cast<std::size_t>(band)].push_back(i);
            }
        }
    }
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        const std::vector<std::size_t>& items = itemsOfBand[static_cast<std::size_t>(band)];
        std::size_t k = 0;
        for (const LogRow& row : doc.results.bandRows(band)) {
            Qso qso{band, row, std::nullopt};
            if (k < items.size()) {
                qso.item = list[items[k++]];
            }
            if (!visit(qso)) {
                return;
            }
        }
    }
}
