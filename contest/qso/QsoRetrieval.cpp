// The retrieval loop over the log database and its filters.
#include "qso/QsoRetrieval.h"

#include "common/Cp932.h"
#include "common/FieldText.h"
#include "common/TwoDigitYear.h"
#include "exchange/BandTable.h"
#include "exchange/ExchangeComposer.h"
#include "qso/QsoListColumns.h"
#include "qso/RepeatSet.h"

#include <array>
#include <cstdio>
#include <vector>

namespace {

std::string dateKey(int year, int month, int day) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", year, month, day);
    return buffer;
}

std::string timeKey(int hour, int minute) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%02dJ", hour, minute);
    return buffer;
}

constexpr int kUnknownBand = -1000; // not yet asked of the library

bool maskHas(std::uint32_t mask, int index) {
    return index >= 0 && index < 32 && (mask >> index) & 1u;
}

// The band index of a text with blanks removed at both ends, as the library sees it.
int trimmedBand(const QsoSource& database, std::string_view text) {
    return database.bandIndex(FieldText(cp932::trim(text)).c_str());
}

// The contest period as its keys compare with a record's date, in the list's date order, and time.
// Six-byte dates starting with two digits and times of the keys' length, as nearly every record
// has, compare as numbers instead of through a library call.
class Period {
public:
    explicit Period(const QsoRetrieval::PeriodKeys& keys) : keys_(keys) {
        fast_ = keys.startDate.size() == kKeyDateBytes && keys.endDate.size() == kKeyDateBytes &&
                keys.startTime.size() == kTimeBytes && keys.endTime.size() == kTimeBytes;
        if (fast_) {
            startDate_ = number(keys.startDate);
            endDate_ = number(keys.endDate);
            startTime_ = number(keys.startTime);
            endTime_ = number(keys.endTime);
        }
    }

    bool contains(std::string_view date, std::string_view time) const {
        const int year = TwoDigitYear::fullYear(date);
        if (fast_ && year >= 0 && date.size() == kDateBytes && time.size() == kTimeBytes) {
            const std::uint64_t d = centuryBits(year / 100) | number(date);
            const std::uint64_t t = number(time);
            return !(d < startDate_ || (d == startDate_ && t < startTime_) || d > endDate_ ||
                     (d == endDate_ && t > endTime_));
        }
        const std::string key = QsoListColumns::dateKey(date);
        return !(key < keys_.startDate || (key == keys_.startDate && time < keys_.startTime) ||
                 key > keys_.endDate || (key == keys_.endDate && time > keys_.endTime));
    }

private:
    static constexpr std::size_t kDateBytes = 6;    // YYMMDD
    static constexpr std::size_t kKeyDateBytes = 8; // YYYYMMDD
    static constexpr std::size_t kTimeBytes = 5;    // HHMMJ

    // The two digits of a century standing in front of a date's six bytes, as in the list's date
    // key.
    static constexpr std::uint64_t centuryBits(int century) {
        return (std::uint64_t('0' + century / 10) << 8 | std::uint64_t('0' + century % 10))
               << 8 * kDateBytes;
    }

    // The bytes as a big-endian number: among texts of one length it orders as they do.
    static std::uint64_t number(std::string_view text) {
        std::uint64_t value = 0;
        for (char c : text) {
            value = value << 8 | static_cast<unsigned char>(c);
        }
        return value;
    }

    QsoRetrieval::PeriodKeys keys_;
    bool fast_ = false;
    std::uint64_t startDate_ = 0, endDate_ = 0, startTime_ = 0, endTime_ = 0;
};

// A QSO that passed the period, band and mode filters: its record, record number, band, and the
// band its repeat key takes once it is kept.
struct Candidate {
    QsoRecord record;
    std::int32_t number;
    int band;
    int keyBand;
};

// What the literal repeat scan compares of each kept QSO.
struct KeptKey {
    std::string call;
    int band;
};

} // namespace

QsoRetrieval::PeriodKeys QsoRetrieval::periodKeys(const ContestSettings& s) {
    return {dateKey(s.startYear, s.startMonth, s.startDay),
            dateKey(s.endYear, s.endMonth, s.endDay), timeKey(s.startHour, s.startMinute),
            timeKey(s.endHour, s.endMinute)};
}

int QsoRetrieval::modeIndex(std::string_view modeText) {
    static constexpr std::string_view kModes[] = {"CW", "AM", "SSB", "FM", "SSTV", "RTTY"};
    std::string_view mode = cp932::trim(modeText);
    for (int i = 0; i < 6; ++i) {
        if (mode == kModes[i]) {
            return i;
        }
    }
    return 6;
}

std::uint32_t QsoRetrieval::bandMask(const ContestSettings& s) {
    std::uint32_t mask = 0;
    for (int i = 0; i < ContestSettings::kBandCount; ++i) {
        mask |= s.bandEnabled[static_cast<std::size_t>(i)] == 1 ? 1u << i : 0u;
    }
    return mask;
}

std::uint32_t QsoRetrieval::modeMask(const ContestSettings& s) {
    std::uint32_t mask = 0;
    for (int i = 0; i < ContestSettings::kModeCount; ++i) {
        mask |= s.modeEnabled[static_cast<std::size_t>(i)] == 1 ? 1u << i : 0u;
    }
    return mask;
}

int QsoRetrieval::retrieve(CKorvaneDoc& doc, QsoSource& database, std::uint32_t bandMask,
                           std::uint32_t modeMask, RepeatCheck repeatCheck) {
    const ContestSettings& s = doc.contest;
    const Period period(periodKeys(s));
    if (doc.master.thDir.empty() || !database.open(doc.master.thDir)) {
        return -1;
    }
    doc.qsoList.clear();
    doc.results.clearResults();
    doc.recordsRead = 0;
    int sequence = 0;
    CKorvaneDoc::Skipped skipped;
    const bool countCuts = database.countsCutFields();
    int cutRecords = 0;

    ExchangeComposer composer(s.rules, database, doc.results);
    RepeatSet kept;                   // trimmed call and band of every QSO kept so far
    std::vector<KeptKey> keptInOrder; // the same, for the literal scan
    // The band the library gives for each band's label, which a kept QSO's repeat key is based on.
    std::array<int, BandTable::kBandCount> labelBands;
    labelBands.fill(kUnknownBand);
    const bool checkRepeats = s.excludeSameBandDupes == 1;

    // Repeat check, list and composition of a QSO that passed the filters.
    const auto keep = [&](const Candidate& c) {
        const std::string_view call = cp932::trim(QsoRecord::text(c.record.call));
        if (checkRepeats) {
            if (repeatCheck == RepeatCheck::hashed) {
                // When the key band is the QSO's own, one probe both checks and records it. Every
                // call sign fits the set's keys, as the record's call field is no longer.
                static_assert(sizeof(QsoRecord::call) <= RepeatSet::kMaxCall);
                const bool repeat =
                    c.keyBand == c.band ? !kept.insert(call, c.band) : kept.contains(call, c.band);
                if (repeat) {
                    ++skipped.repeat;
                    return;
                }
                if (c.keyBand != c.band) {
                    kept.insert(call, c.keyBand);
                }
            } else {
                for (const KeptKey& k : keptInOrder) {
                    if (k.call == call && k.band == c.band) {
                        ++skipped.repeat;
                        return;
                    }
                }
                keptInOrder.push_back({std::string(call), c.keyBand});
            }
        }
        doc.qsoList.push_back(c.number, c.record, c.band);
        composer.composeRow(c.record, ++sequence, c.band);
    };

    // A QSO that passed waits for its repeat check until the next one has passed too, so that the
    // check's table slot has come from memory meanwhile.
    std::array<Candidate, 2> candidates;
    Candidate* waiting = nullptr;
    for (std::int32_t n = 1; database.read(n); ++n) {
        const QsoRecord& record = database.record();
        doc.recordsRead = n;
        if (countCuts && database.cutFields() > 0) {
            ++cutRecords;
        }
        std::string_view date = QsoRecord::text(record.qsoDate);
        std::string_view time = QsoRecord::text(record.qsoTime);
        if (time.size() < 5 || time[4] != 'J') {
            ++skipped.zone;
            continue;
        }
        if (!period.contains(date, time)) {
            ++skipped.period;
            continue;
        }
        const std::string_view freq = QsoRecord::text(record.freq);
        if (s.selectBands == 1) {
            int band = trimmedBand(database, freq);
            if (!BandTable::isBand(band) || !maskHas(bandMask, band)) {
                ++skipped.band;
                continue;
            }
        }
        if (s.selectModes == 1 && !maskHas(modeMask, modeIndex(QsoRecord::text(record.mode)))) {
            ++skipped.mode;
            continue;
        }
        Candidate& next = &candidates[0] == waiting ? candidates[1] : candidates[0];
        next.record = record;
        next.number = n;
        next.band = database.bandIndex(FieldText(freq).c_str());
        next.keyBand = next.band;
        if (checkRepeats) {
            // A kept QSO's key is the band the library gives for the label the list stores in
            // place of the frequency, looked up once per band.
            if (BandTable::isBand(next.band)) {
                int& labelBand = labelBands[static_cast<std::size_t>(next.band)];
                if (labelBand == kUnknownBand) {
                    labelBand = trimmedBand(database, BandTable::listLabel(next.band));
                }
                next.keyBand = labelBand;
            } else {
                next.keyBand = trimmedBand(database, freq);
            }
            if (repeatCheck == RepeatCheck::hashed) {
                kept.prefetch(cp932::trim(QsoRecord::text(record.call)), next.band);
            }
        }
        if (waiting) {
            keep(*waiting);
        }
        waiting = &next;
    }
    if (waiting) {
        keep(*waiting);
    }
    database.close();
    doc.skipped = skipped;
    doc.cutRecords = countCuts ? cutRecords : -1;
    return 0;
}
