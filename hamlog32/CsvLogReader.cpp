// Reading HAMLOG CSV lines: quoted fields, "yy/mm/dd" dates and "hh:mm" times with a zone letter.
#include "CsvLogReader.h"

#include "Cp932.h"

#include <cstring>

namespace {

std::string_view withoutCarriageReturn(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

bool isBlankLine(std::string_view line) {
    return cp932::trim(line).empty();
}

} // namespace

bool CsvLogReader::scan(std::string_view text, std::vector<Span>& spans) {
    std::size_t pos = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    bool any = false;
    while (pos < text.size()) {
        const void* newline = std::memchr(text.data() + pos, '\n', text.size() - pos);
        std::size_t end =
            newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data())
                    : text.size();
        std::string_view line = withoutCarriageReturn(text.substr(pos, end - pos));
        if (!isBlankLine(line)) {
            // Indexing needs only the date and time; the rest is split when the record is read.
            split(line, kTime + 1);
            char zone = 0;
            if (timestamp(zone)) {
                spans.push_back(
                    {static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(line.size())});
                any = true;
            }
        }
        pos = end + 1;
    }
    return any;
}

bool CsvLogReader::read(std::string_view line, QsoRecord& record) {
    line = withoutCarriageReturn(line);
    split(line);
    char zone = 0;
    std::optional<QsoTimestamp> when = timestamp(zone);
    if (!when) {
        return false;
    }
    std::string_view call = cp932::trim(fields_[kCall]);
    std::size_t slash = call.find('/');
    std::string_view portable =
        slash == std::string_view::npos ? std::string_view() : call.substr(slash + 1);
    store(record.call, call.substr(0, slash));
    store(record.portable, portable);
    store(record.qsoDate, when->yymmdd());
    std::string time = when->hhmm();
    time.push_back(zone);
    store(record.qsoTime, time);
    store(record.hisRst, fields_[kHisRst]);
    store(record.myRst, fields_[kMyRst]);
    store(record.freq, fields_[kFreq]);
    store(record.mode, fields_[kMode]);
    store(record.code, fields_[kCode]);
    store(record.gl, fields_[kGl]);
    store(record.qsl, fields_[kQsl]);
    store(record.name, fields_[kName]);
    store(record.qth, fields_[kQth]);
    store(record.remarks1, fields_[kRemarks1]);
    store(record.remarks2, fields_[kRemarks2]);
    return true;
}

// Bytes such as ',', '"', '/', CR and LF are never the trail byte of a Shift-JIS character, so
// lines and fields are split byte by byte.
void CsvLogReader::split(std::string_view line, std::size_t fieldLimit) {
    std::size_t count = 0;
    std::size_t pos = 0;
    bool more = true;
    while (more && count < fieldLimit) {
        std::size_t start = pos;
        while (start < line.size() && line[start] == ' ') {
            ++start;
        }
        std::size_t comma;
        if (start < line.size() && line[start] == '"') {
            // Quoted: "" stands for one quote; text between the closing quote and the comma is kept
            // so that a stray quote never loses data.
            std::string& out = quoted_[count];
            out.clear();
            std::size_t p = start + 1;
            while (true) {
                std::size_t quote = line.find('"', p);
                if (quote == std::string_view::npos) {
                    out.append(line.substr(p));
                    p = line.size();
                    break;
                }
                out.append(line.substr(p, quote - p));
                if (quote + 1 < line.size() && line[quote + 1] == '"') {
                    out.push_back('"');
                    p = quote + 2;
                } else {
                    p = quote + 1;
                    break;
                }
            }
            comma = line.find(',', p);
            out.append(cp932::trim(
                line.substr(p, comma == std::string_view::npos ? line.npos : comma - p)));
            fields_[count] = out;
        } else {
            comma = line.find(',', pos);
            fields_[count] =
                line.substr(pos, comma == std::string_view::npos ? line.npos : comma - pos);
        }
        ++count;
        more = comma != std::string_view::npos;
        pos = comma + 1;
    }
    for (std::size_t i = count; i < kFieldCount; ++i) {
        fields_[i] = {};
    }
}

std::optional<QsoTimestamp> CsvLogReader::timestamp(char& zone) const {
    std::string_view time = cp932::trim(fields_[kTime]);
    if (time.size() != 6) {
        return std::nullopt;
    }
    char letter = time[5];
    if (letter == 'j' || letter == 'u') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    if (letter != 'J' && letter != 'U') {
        return std::nullopt;
    }
    zone = letter;
    return QsoTimestamp::fromHamlog(cp932::trim(fields_[kDate]), time.substr(0, 5));
}
