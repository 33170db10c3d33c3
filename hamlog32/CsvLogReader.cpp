// Reading HAMLOG CSV lines: quoted fields, "yy/mm/dd" dates and "hh:mm" times with a zone letter.
#include "CsvLogReader.h"

#include "Cp932.h"

#include <cstring>

bool CsvLogReader::next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) {
    const void* newline = std::memchr(text.data(), '\n', text.size());
    std::size_t end;
    if (newline) {
        end = static_cast<std::size_t>(static_cast<const char*>(newline) - text.data());
        frame.length = end + 1;
    } else if (atEnd) {
        end = text.size();
        frame.length = end;
    } else {
        return false;
    }
    // CR LF, and CR CR LF as a CR LF file passed once more through a text-mode copy leaves it.
    for (int cr = 0; cr < 2 && end != 0 && text[end - 1] == '\r'; ++cr) {
        --end;
    }
    frame.readable = readLine(text.substr(0, end), record);
    frame.marked = frame.readable;
    return true;
}

bool CsvLogReader::readLine(std::string_view line, QsoRecord& record) {
    // The date and time decide whether the line is a QSO at all, so the rest waits for them.
    std::size_t pos = 0;
    split(line, pos, 0, kTime + 1);
    char zone = 0;
    std::optional<QsoTimestamp> when = timestamp(zone);
    if (!when) {
        return false;
    }
    split(line, pos, kTime + 1, kFieldCount);
    std::string_view call = cp932::trim(fields_[kCall]);
    std::size_t slash = call.find('/');
    std::string_view portable =
        slash == std::string_view::npos ? std::string_view() : call.substr(slash + 1);
    store(record.call, call.substr(0, slash));
    store(record.portable, portable);
    std::array<char, 6> date = when->yymmdd();
    store(record.qsoDate, std::string_view(date.data(), date.size()));
    std::array<char, 4> hhmm = when->hhmm();
    const char time[5] = {hhmm[0], hhmm[1], hhmm[2], hhmm[3], zone};
    store(record.qsoTime, std::string_view(time, sizeof time));
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
void CsvLogReader::split(std::string_view line, std::size_t& pos, std::size_t first,
                         std::size_t limit) {
    std::size_t field = first;
    for (; field < limit && pos != std::string_view::npos; ++field) {
        std::size_t start = pos;
        while (start < line.size() && line[start] == ' ') {
            ++start;
        }
        std::size_t comma;
        if (start < line.size() && line[start] == '"') {
            // Quoted: "" stands for one quote; text between the closing quote and the comma is kept
            // so that a stray quote never loses data.
            std::string& out = quoted_[field];
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
            fields_[field] = out;
        } else {
            comma = line.find(',', pos);
            fields_[field] =
                line.substr(pos, comma == std::string_view::npos ? line.npos : comma - pos);
        }
        pos = comma == std::string_view::npos ? comma : comma + 1;
    }
    for (; field < limit; ++field) {
        fields_[field] = {};
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
