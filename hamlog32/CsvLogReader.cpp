// Reading HAMLOG CSV records: quoted fields, "yy/mm/dd" dates and "hh:mm" times with a zone letter.
#include "hamlog32/CsvLogReader.h"

#include "common/Cp932.h"
#include "hamlog32/QsoTimestamp.h"
#include "hamlog32/Utf8Text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// cp932::trim, inline: the call, date and time fields of every line are trimmed.
std::string_view trimmed(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && blank(*begin)) {
        ++begin;
    }
    while (end != begin && blank(end[-1])) {
        --end;
    }
    return {begin, static_cast<std::size_t>(end - begin)};
}

// Lines are looked at eight bytes at a time where the byte order puts the first byte of the text
// in the lowest byte of a word.
constexpr bool kWordScan = std::endian::native == std::endian::little;

std::uint64_t wordAt(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The high bit of each byte of word that equals c. Exact: no carry crosses from one byte to the
// next, so every marked byte is a match.
std::uint64_t bytesEqual(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// True when some byte of word equals c (the zero-byte test; unlike bytesEqual it may also mark
// bytes above a match, which does not matter here).
bool holdsByte(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

// The offset of the lowest marked byte of a bytesEqual mask.
std::size_t firstMarked(std::uint64_t mask) {
    return static_cast<unsigned>(std::countr_zero(mask)) / 8;
}

// The first ',' in [p, end), or end.
const char* findComma(const char* p, const char* end) {
    if constexpr (kWordScan) {
        for (; end - p >= 8; p += 8) {
            if (std::uint64_t commas = bytesEqual(wordAt(p), ',')) {
                return p + firstMarked(commas);
            }
        }
    }
    while (p != end && *p != ',') {
        ++p;
    }
    return p;
}

char upperZone(char letter) {
    return letter == 'j' || letter == 'u' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

// The time of a QSO from its trimmed date and time fields ("yy/mm/dd", "hh:mmJ"), and its zone
// letter upper cased; none when they are not a real date and time in zone J or U.
std::optional<QsoTimestamp> timestampOf(std::string_view date, std::string_view time, char& zone) {
    if (time.size() != 6) {
        return std::nullopt;
    }
    zone = upperZone(time[5]);
    if (zone != 'J' && zone != 'U') {
        return std::nullopt;
    }
    return QsoTimestamp::fromHamlog(date, time.substr(0, 5));
}

// True when a line starts with a call, a date and a time as a QSO's line does (quoted or not).
bool startsQso(std::string_view line) {
    auto nextField = [&line] {
        std::size_t comma = line.find(',');
        std::string_view field = trimmed(line.substr(0, comma));
        line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
            field = field.substr(1, field.size() - 2);
        }
        return field;
    };
    nextField();
    std::string_view date = nextField();
    char zone;
    return timestampOf(date, nextField(), zone).has_value();
}

} // namespace

// Inline: it runs for every record.
inline void CsvLogReader::splitRecord(const char* text, std::size_t end) {
    // CR LF, and CR CR LF as a CR LF file passed once more through a text-mode copy leaves it.
    for (int cr = 0; cr < 2 && end != 0 && text[end - 1] == '\r'; ++cr) {
        --end;
    }
    openQuote_ = false;
    if (!splitPlain(text, text + end)) {
        split(text, text + end);
    }
}

bool CsvLogReader::next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) {
    const void* newline = std::memchr(text.data(), '\n', text.size());
    std::size_t end;
    if (newline) {
        end = static_cast<std::size_t>(static_cast<const char*>(newline) - text.data());
    } else if (atEnd) {
        end = text.size();
    } else {
        return false;
    }
    splitRecord(text.data(), end);
    if (newline && openQuote_) {
        // The line may end inside a quoted field that goes on over the line break.
        std::size_t recordEnd = end;
        switch (span(text, atEnd, recordEnd)) {
        case Span::kNeedMore:
            return false;
        case Span::kRecord:
            if (recordEnd != end) {
                end = recordEnd;
                splitRecord(text.data(), end);
            }
            break;
        case Span::kLine:
            break;
        }
    }
    frame.length = end < text.size() ? end + 1 : end;
    frame.readable = fill(record, frame.cutFields);
    frame.marked = frame.readable;
    return true;
}

CsvLogReader::Span CsvLogReader::span(std::string_view text, bool atEnd, std::size_t& recordEnd) {
    const std::size_t limit = std::min(text.size(), kMaxRecordBytes);
    // Whether text holds all of the record that is looked at.
    const bool whole = atEnd || text.size() >= kMaxRecordBytes;
    std::size_t lineBreaks = 0;
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t p = 0; p < limit; ++p) {
        const char c = text[p];
        if (quoted) {
            if (c == '"') {
                if (p + 1 == limit && !whole) {
                    return Span::kNeedMore; // a closing quote, or the first of a doubled one
                }
                if (p + 1 < limit && text[p + 1] == '"') {
                    ++p;
                } else {
                    quoted = false;
                }
            } else if (c == '\n') {
                if (++lineBreaks > kMaxLineBreaks) {
                    return Span::kLine;
                }
                std::size_t next = text.substr(0, limit).find('\n', p + 1);
                if (next == std::string_view::npos && !whole) {
                    return Span::kNeedMore;
                }
                // A QSO's line after the break means the quote was a stray one.
                if (startsQso(text.substr(p + 1, std::min(next, limit) - p - 1))) {
                    return Span::kLine;
                }
            }
        } else if (fieldStart && c == ' ') {
            continue; // blanks before a field, as split() skips them
        } else if (fieldStart && c == '"') {
            quoted = true;
            fieldStart = false;
        } else if (c == '\n') {
            recordEnd = p;
            return Span::kRecord;
        } else {
            fieldStart = c == ',';
        }
    }
    if (!whole) {
        return Span::kNeedMore;
    }
    if (quoted || limit < text.size()) {
        return Span::kLine; // never closed, or longer than a record may be
    }
    recordEnd = text.size(); // the log ends with the record
    return Span::kRecord;
}

bool CsvLogReader::fill(QsoRecord& record, int& cutFields) {
    const std::string_view date = trimmed(fields_[column(QsoRecord::kQsoDate)]);
    const std::string_view time = trimmed(fields_[column(QsoRecord::kQsoTime)]);
    char zone = 'J';
    std::optional<QsoTimestamp> when = timestampOf(date, time, zone);
    if (!when) {
        return false;
    }
    if (zone == 'J') {
        // A real "yy/mm/dd hh:mm" is written back as the same digits, so they are taken as they
        // stand.
        const char yymmdd[6] = {date[0], date[1], date[3], date[4], date[6], date[7]};
        store(record.qsoDate, std::string_view(yymmdd, sizeof yymmdd));
        const char hhmm[5] = {time[0], time[1], time[3], time[4], zone};
        store(record.qsoTime, std::string_view(hhmm, sizeof hhmm));
    } else {
        // UTC is kept as Japan time, as the ADIF reader keeps it, so both exports of a log agree.
        storeJapanTime(record, *when, true);
    }
    // Bit n: column n had characters without a CP932 form; such a field counts once, cut or not.
    const std::uint32_t replaced = utf8Fields_ ? convertUtf8Fields() : 0;
    const std::size_t callColumn = column(QsoRecord::kCall);
    int cut = storeCall(record, trimmed(fields_[callColumn]), (replaced >> callColumn & 1) != 0);
    std::uint32_t cutColumns = std::uint32_t(1) << callColumn;
    // The fields after the time are taken as they stand.
    QsoRecord::forEachField(record, [&](auto& field, QsoRecord::Field which) {
        if (which > QsoRecord::kQsoTime) {
            const bool fieldCut = store(field, fields_[column(which)]);
            cut += fieldCut;
            cutColumns |= std::uint32_t(fieldCut) << column(which);
        }
    });
    cutFields = replaced == 0 ? cut : cut + std::popcount(replaced & ~cutColumns);
    return true;
}

std::uint32_t CsvLogReader::convertUtf8Fields() {
    static_assert(kFieldCount <= 32);
    std::uint32_t replaced = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        bool one = false;
        fields_[i] = Utf8Text::asCp932(fields_[i], converted_[i], one);
        replaced |= std::uint32_t(one) << i;
    }
    return replaced;
}

// Bytes such as ',', '"', '/', CR and LF are never the trail byte of a Shift-JIS character, so
// lines and fields are split byte by byte. Fields are too short for a library search per field to
// pay, so the bytes are looked at inline.
bool CsvLogReader::splitPlain(const char* line, const char* end) {
    std::size_t field = 0;
    const char* start = line;
    const char* p = line;
    auto endField = [&](const char* comma) {
        fields_[field] = std::string_view(start, static_cast<std::size_t>(comma - start));
        start = comma + 1;
        return ++field == kFieldCount;
    };
    if constexpr (kWordScan) {
        for (; end - p >= 8; p += 8) {
            std::uint64_t word = wordAt(p);
            if (holdsByte(word, '"')) {
                return false;
            }
            for (std::uint64_t commas = bytesEqual(word, ','); commas != 0; commas &= commas - 1) {
                if (endField(p + firstMarked(commas))) {
                    return true;
                }
            }
        }
    }
    for (; p != end; ++p) {
        if (*p == '"') {
            return false;
        }
        if (*p == ',' && endField(p)) {
            return true;
        }
    }
    fields_[field] = std::string_view(start, static_cast<std::size_t>(end - start));
    while (++field < kFieldCount) {
        fields_[field] = {};
    }
    return true;
}

void CsvLogReader::split(const char* line, const char* end) {
    const char* pos = line;
    std::size_t field = 0;
    for (; field < kFieldCount && pos; ++field) {
        const char* start = pos;
        while (start != end && *start == ' ') {
            ++start;
        }
        const char* stop;
        if (start != end && *start == '"') {
            stop = unquote(field, start, end);
        } else {
            stop = findComma(start, end);
            fields_[field] = std::string_view(pos, static_cast<std::size_t>(stop - pos));
        }
        pos = stop == end ? nullptr : stop + 1;
    }
    for (; field < kFieldCount; ++field) {
        fields_[field] = {};
    }
}

// "" stands for one quote; text between the closing quote and the comma is kept (trimmed) so that
// a stray quote never loses data. A field without its closing quote runs to the end of the text.
const char* CsvLogReader::unquote(std::size_t field, const char* open, const char* end) {
    std::string& out = quoted_[field];
    out.clear();
    const char* p = open + 1;
    while (true) {
        const char* quote = p;
        while (quote != end && *quote != '"') {
            ++quote;
        }
        out.append(p, quote);
        if (quote == end) {
            fields_[field] = out;
            openQuote_ = true;
            return end;
        }
        if (quote + 1 != end && quote[1] == '"') {
            out.push_back('"');
            p = quote + 2;
        } else {
            p = quote + 1;
            break;
        }
    }
    const char* comma = p;
    while (comma != end && *comma != ',') {
        ++comma;
    }
    out.append(cp932::trim(std::string_view(p, static_cast<std::size_t>(comma - p))));
    fields_[field] = out;
    return comma;
}
