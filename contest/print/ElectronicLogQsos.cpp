// Pairing the composed rows with the QSO list.
#include "ElectronicLogQsos.h"

#include "BandTable.h"

void ElectronicLogQsos::forEach(const CKorvaneDoc& doc,
                                const std::function<bool(const Qso&)>& visit) {
    const QsoList& list = doc.qsoList;
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        const std::string_view label = BandTable::listLabel(band);
        std::size_t next = 0;
        for (const LogRow& row : doc.results.bandRows(band)) {
            Qso qso{band, row, std::nullopt};
            while (next < list.size() && !qso.item) {
                if (list.field(next, QsoList::kFreq) == label) {
                    qso.item = list[next];
                }
                ++next;
            }
            if (!visit(qso)) {
                return;
            }
        }
    }
}

int ElectronicLogQsos::fullYear(std::string_view recordDate) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (recordDate.size() < 2 || !digit(recordDate[0]) || !digit(recordDate[1])) {
        return -1;
    }
    const int yy = (recordDate[0] - '0') * 10 + (recordDate[1] - '0');
    return yy < 80 ? 2000 + yy : 1900 + yy;
}
