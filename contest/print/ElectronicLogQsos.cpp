// Pairing the composed rows with the QSO list, and splitting their exchange columns.
#include "print/ElectronicLogQsos.h"

#include "common/Cp932.h"
#include "exchange/BandTable.h"

#include <algorithm>
#include <array>
#include <vector>

void ElectronicLogQsos::forEach(const CKorvaneDoc& doc,
                                const std::function<bool(const Qso&)>& visit) {
    // One pass over the list files each QSO under the band whose label it carries.
    const QsoList& list = doc.qsoList;
    std::array<std::vector<std::size_t>, BandTable::kBandCount> itemsOfBand;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (const int band = list.band(i); band >= 0) {
            itemsOfBand[static_cast<std::size_t>(band)].push_back(i);
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

std::vector<int> ElectronicLogQsos::unfiledRecords(const CKorvaneDoc& doc) {
    std::vector<int> records;
    for (std::size_t i = 0; i < doc.qsoList.size(); ++i) {
        if (doc.qsoList.band(i) < 0) {
            records.push_back(doc.qsoList.recordNumber(i));
        }
    }
    return records;
}

const std::string& ElectronicLogQsos::unfiledWarning() {
    return cp932::lit("バンドの分からないQSO (印刷するログと同じく書いていません)");
}

ElectronicLogQsos::Exchange ElectronicLogQsos::split(std::string_view column,
                                                     std::size_t reportBytes) {
    const std::size_t cut = std::min(reportBytes, column.size());
    Exchange exchange{std::string(cp932::trim(column.substr(0, cut))), {}};
    // The blanks trim() drops lie below every CP932 trail byte: dropping them splits no character.
    for (char c : column.substr(cut)) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            exchange.number.push_back(c);
        }
    }
    return exchange;
}
