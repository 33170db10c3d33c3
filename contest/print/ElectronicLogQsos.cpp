// Pairing the composed rows with the QSO list.
#include "ElectronicLogQsos.h"

#include "BandTable.h"

std::vector<ElectronicLogQsos::Qso> ElectronicLogQsos::collect(const CKorvaneDoc& doc) {
    std::vector<Qso> qsos;
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        const std::string_view label = BandTable::listLabel(band);
        auto next = doc.qsoList.begin();
        for (const LogRow& row : doc.results.bandRows(band)) {
            const QsoItem* item = nullptr;
            while (next != doc.qsoList.end() && item == nullptr) {
                if (QsoRecord::text(next->record.freq) == label) {
                    item = &*next;
                }
                ++next;
            }
            qsos.push_back({band, &row, item});
        }
    }
    return qsos;
}

int ElectronicLogQsos::fullYear(std::string_view recordDate) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (recordDate.size() < 2 || !digit(recordDate[0]) || !digit(recordDate[1])) {
        return -1;
    }
    const int yy = (recordDate[0] - '0') * 10 + (recordDate[1] - '0');
    return yy < 80 ? 2000 + yy : 1900 + yy;
}
