// Content rules for recognising ADIF; cheap on large CSV files, which rarely hold a '<'.
#include "hamlog32/LogFormatDetector.h"

#include "common/Cp932.h"
#include "hamlog32/CsvLogReader.h"
#include "hamlog32/Utf8Text.h"

#include <cstring>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool matchesNoCaseAt(std::string_view text, std::size_t pos, std::string_view word) {
    if (text.size() - pos < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (upper(text[pos + i]) != word[i]) {
            return false;
        }
    }
    return true;
}

// Position of the first "<EOH>" or "<EOR>" (any case) and which of the two it is.
std::size_t firstMarker(std::string_view text, bool& isHeaderEnd) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const void* found = std::memchr(text.data() + pos, '<', text.size() - pos);
        if (!found) {
            break;
        }
        pos = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        if (matchesNoCaseAt(text, pos, "<EOH>")) {
            isHeaderEnd = true;
            return pos;
        }
        if (matchesNoCaseAt(text, pos, "<EOR>")) {
            isHeaderEnd = false;
            return pos;
        }
        ++pos;
    }
    return std::string_view::npos;
}

// True when a line of text is a readable HAMLOG CSV QSO: such a file is CSV whatever its remarks
// say.
bool holdsCsvRecord(std::string_view text) {
    CsvLogReader reader;
    QsoRecord record;
    LogReader::Frame frame;
    while (!text.empty() && reader.next(text, true, record, frame)) {
        if (frame.readable) {
            return true;
        }
        text.remove_prefix(frame.length);
    }
    return false;
}

bool hasAdifExtension(std::string_view fileName) {
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    std::string_view ext = fileName.substr(dot + 1);
    return cp932::equalsNoCase(ext, "adi") || cp932::equalsNoCase(ext, "adif");
}

} // namespace

bool LogFormatDetector::isFieldTagAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != '<') {
        return false;
    }
    if (matchesNoCaseAt(text, pos, "<EOR>") || matchesNoCaseAt(text, pos, "<EOH>")) {
        return true;
    }
    std::size_t i = pos + 1;
    while (i < text.size() && isNameChar(text[i])) {
        ++i;
    }
    return i > pos + 1 && i + 1 < text.size() && text[i] == ':' && text[i + 1] >= '0' &&
           text[i + 1] <= '9';
}

bool LogFormatDetector::mayHoldUtf8(std::string_view text) {
    return text.substr(0, 3) == "\xEF\xBB\xBF" || Utf8Text::isWellFormed(text);
}

LogFormat LogFormatDetector::detect(std::string_view text, std::string_view fileName) {
    if (hasAdifExtension(fileName)) {
        return LogFormat::kAdif;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    if (start < text.size() && text[start] == '<') {
        return LogFormat::kAdif;
    }
    bool isHeaderEnd = false;
    std::size_t marker = firstMarker(text, isHeaderEnd);
    if (marker != std::string_view::npos && isHeaderEnd &&
        !holdsCsvRecord(text.substr(0, marker))) {
        return LogFormat::kAdif;
    }
    std::size_t newline = text.find('\n', start);
    if (newline != std::string_view::npos) {
        std::size_t next = newline + 1;
        while (next < text.size() && isBlank(text[next])) {
            ++next;
        }
        if (isFieldTagAt(text, next) && !holdsCsvRecord(text.substr(0, newline))) {
            return LogFormat::kAdif;
        }
    }
    return LogFormat::kCsv;
}
