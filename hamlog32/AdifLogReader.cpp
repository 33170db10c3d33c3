// Reading ADIF records: tags by byte length, UTF-8 text to CP932, UTC times to Japan time.
#include "hamlog32/AdifLogReader.h"

#include "common/Cp932.h"
#include "hamlog32/AdifBand.h"
#include "hamlog32/Megahertz.h"
#include "hamlog32/QsoTimestamp.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view kFieldNames[AdifLogReader::kFieldCount] = {
    "CALL",     "QSO_DATE",   "TIME_ON",    "FREQ",         "BAND",       "MODE", "RST_SENT",
    "RST_RCVD", "SRX_STRING", "GRIDSQUARE", "QSL_RCVD",     "NAME",       "QTH",  "COMMENT",
    "NOTES",    "NAME_INTL",  "QTH_INTL",   "COMMENT_INTL", "NOTES_INTL",
};

constexpr int kHoursAheadOfUtc = 9;

// No valid length is longer than the text, so larger numbers stop growing there.
constexpr std::size_t kLengthCap = std::size_t(1) << 40;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// name equals upperName (upper case ASCII) without regard to ASCII case. Kept inline: it runs for
// every tag of every record.
bool isName(std::string_view name, std::string_view upperName) {
    if (name.size() != upperName.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (upperAscii(name[i]) != upperName[i]) {
            return false;
        }
    }
    return true;
}

int fieldOf(std::string_view name) {
    for (int i = 0; i < AdifLogReader::kFieldCount; ++i) {
        if (isName(name, kFieldNames[i])) {
            return i;
        }
    }
    return -1;
}

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Well-formed UTF-8 (no overlong forms, surrogates or values beyond U+10FFFF).
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t follow;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c < 0x80) {
            follow = 0;
        } else if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (text.size() - i <= follow) {
            return false;
        }
        for (std::size_t k = 1; k <= follow; ++k) {
            unsigned char t = static_cast<unsigned char>(text[i + k]);
            if (t < (k == 1 ? low : 0x80) || t > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += follow + 1;
    }
    return true;
}

} // namespace

bool AdifLogReader::nextTag(std::string_view text, std::size_t& pos, Tag& tag) {
    while (pos < text.size()) {
        const void* found = std::memchr(text.data() + pos, '<', text.size() - pos);
        if (!found) {
            break;
        }
        std::size_t open = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        std::size_t i = open + 1;
        while (i < text.size() && text[i] != ':' && text[i] != '>' && text[i] != '<') {
            ++i;
        }
        if (i >= text.size()) {
            break;
        }
        pos = i;
        if (text[i] == '<') {
            continue;
        }
        std::string_view name = text.substr(open + 1, i - open - 1);
        std::size_t length = 0;
        if (text[i] == ':') {
            std::size_t digits = ++i;
            while (i < text.size() && isDigit(text[i])) {
                length =
                    std::min(length * 10 + static_cast<std::size_t>(text[i] - '0'), kLengthCap);
                ++i;
            }
            if (i == digits) {
                pos = i;
                continue;
            }
            if (i < text.size() && text[i] == ':') {
                while (i < text.size() && text[i] != '>' && text[i] != '<') {
                    ++i;
                }
            }
            if (i >= text.size() || text[i] != '>') {
                pos = i;
                continue;
            }
        }
        std::size_t data = i + 1;
        length = std::min(length, text.size() - data);
        tag.name = name;
        tag.data = text.substr(data, length);
        pos = data + length;
        return true;
    }
    pos = text.size();
    return false;
}

AdifLogReader::End AdifLogReader::collect(std::string_view text, std::size_t& pos, bool& anyTag) {
    fields_.fill({});
    Tag tag;
    while (nextTag(text, pos, tag)) {
        anyTag = true;
        if (isName(tag.name, "EOR")) {
            return End::kRecord;
        }
        if (isName(tag.name, "EOH")) {
            return End::kHeader;
        }
        int field = fieldOf(tag.name);
        if (field >= 0) {
            fields_[field] = tag.data;
        }
    }
    return End::kText;
}

bool AdifLogReader::readable() const {
    return !cp932::trim(fields_[kCall]).empty() &&
           QsoTimestamp::fromAdif(cp932::trim(fields_[kQsoDate]), cp932::trim(fields_[kTimeOn]));
}

bool AdifLogReader::next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) {
    std::size_t pos = 0;
    bool anyTag = false;
    End end = collect(text, pos, anyTag);
    // A record not ended by <EOR> or <EOH> may go on: its last tag's data may be cut, or its
    // terminator not read yet.
    if (end == End::kText && !atEnd) {
        return false;
    }
    frame.length = pos;
    frame.marked = end != End::kText;
    frame.readable = end != End::kHeader && anyTag && readable();
    if (frame.readable) {
        read(record);
        frame.marked = true;
    }
    return true;
}

std::string_view AdifLogReader::converted(std::string_view data) {
    if (isAscii(data) || !isUtf8(data)) {
        return data;
    }
    conversion_ = cp932::fromUtf8(data);
    return conversion_;
}

void AdifLogReader::read(QsoRecord& record) {
    std::optional<QsoTimestamp> utc =
        QsoTimestamp::fromAdif(cp932::trim(fields_[kQsoDate]), cp932::trim(fields_[kTimeOn]));
    QsoTimestamp japan = utc->later(kHoursAheadOfUtc);

    std::string_view call = cp932::trim(converted(fields_[kCall]));
    std::size_t slash = call.find('/');
    store(record.call, call.substr(0, slash));
    store(record.portable,
          slash == std::string_view::npos ? std::string_view() : call.substr(slash + 1));
    std::array<char, 6> date = japan.yymmdd();
    store(record.qsoDate, std::string_view(date.data(), date.size()));
    std::array<char, 4> hhmm = japan.hhmm();
    const char time[5] = {hhmm[0], hhmm[1], hhmm[2], hhmm[3], 'J'};
    store(record.qsoTime, std::string_view(time, sizeof time));

    std::string freq;
    if (std::optional<Megahertz> mhz = Megahertz::parseLeading(fields_[kFreq])) {
        freq = mhz->compact(sizeof record.freq);
    }
    store(record.freq, freq.empty() ? AdifBand::frequencyOf(fields_[kBand]) : freq);

    store(record.mode, converted(fields_[kMode]));
    store(record.hisRst, converted(fields_[kRstSent]));
    store(record.myRst, converted(fields_[kRstRcvd]));
    code_.clear();
    for (char c : converted(fields_[kSrxString])) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            code_.push_back(c);
        }
    }
    store(record.code, code_);
    // A 7-byte field holds a 6-character locator; an 8- or 10-character one keeps its first 6.
    std::string_view grid = cp932::trim(converted(fields_[kGridsquare]));
    store(record.gl, grid.size() > 6 ? grid.substr(0, 6) : grid);
    store(record.qsl, converted(fields_[kQslRcvd]));

    // The _INTL fields are ADIF's Unicode forms, used when the plain field is absent.
    auto plainOrIntl = [this](Field plain, Field intl) {
        return converted(fields_[plain].empty() ? fields_[intl] : fields_[plain]);
    };
    store(record.name, plainOrIntl(kName, kNameIntl));
    store(record.qth, plainOrIntl(kQth, kQthIntl));
    store(record.remarks1, plainOrIntl(kComment, kCommentIntl));
    store(record.remarks2, plainOrIntl(kNotes, kNotesIntl));
}
