// Reading ADIF records: tags by byte length, UTF-8 text to CP932, UTC times to Japan time.
#include "hamlog32/AdifLogReader.h"

#include "common/Cp932.h"
#include "hamlog32/AdifBand.h"
#include "hamlog32/BandPlan.h"
#include "hamlog32/Megahertz.h"
#include "hamlog32/QsoTimestamp.h"
#include "hamlog32/Utf8Text.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view kFieldNames[AdifLogReader::kFieldCount] = {
    "CALL",     "QSO_DATE", "TIME_ON",    "FREQ",       "BAND",         "MODE",       "SUBMODE",
    "RST_SENT", "RST_RCVD", "SRX_STRING", "GRIDSQUARE", "QSL_RCVD",     "NAME",       "QTH",
    "COMMENT",  "NOTES",    "NAME_INTL",  "QTH_INTL",   "COMMENT_INTL", "NOTES_INTL",
};

// Modes that korvane's mode filter names: their submodes (SSB's USB and LSB, CW's PCW, RTTY's
// ASCI) only refine them, so the record keeps the mode.
constexpr std::string_view kFilteredModes[] = {"CW", "SSB", "AM", "FM", "RTTY", "SSTV"};

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
        frame.cutFields = read(record);
        frame.marked = true;
    }
    return true;
}

std::string_view AdifLogReader::converted(std::string_view data) {
    return Utf8Text::asCp932(data, conversion_, replaced_);
}

std::string_view AdifLogReader::mode() const {
    std::string_view mode = cp932::trim(fields_[kMode]);
    std::string_view submode = cp932::trim(fields_[kSubmode]);
    for (std::string_view kept : kFilteredModes) {
        if (isName(mode, kept)) {
            return mode;
        }
    }
    // Other modes are families ("MFSK", "PSK") whose submode ("FT4", "PSK31") names what was used.
    return submode.empty() ? mode : submode;
}

bool AdifLogReader::storeFrequency(QsoRecord& record) {
    const std::string_view freq = cp932::trim(fields_[kFreq]);
    const std::optional<Megahertz> exact = Megahertz::parse(freq);
    auto storeMegahertz = [&](const Megahertz& mhz) {
        bool cut = false;
        std::string text = mhz.compact(sizeof record.freq, &cut);
        store(record.freq, text);
        return cut;
    };
    if (exact && BandPlan::indexOf(*exact) != BandPlan::kOtherBand) {
        return storeMegahertz(*exact);
    }
    const std::string_view bandFreq = AdifBand::frequencyOf(fields_[kBand]);
    // A FREQ in no band (kHz written as MHz, a value off every band) or not a plain number
    // ("7,010") gives way to a BAND that names a band.
    if (BandPlan::indexOf(bandFreq) != BandPlan::kOtherBand) {
        store(record.freq, bandFreq);
        return !freq.empty();
    }
    if (exact) {
        return storeMegahertz(*exact);
    }
    if (std::optional<Megahertz> leading = Megahertz::parseLeading(freq)) {
        storeMegahertz(*leading);
        return true; // what followed the number is left out
    }
    store(record.freq, bandFreq);
    return !freq.empty();
}

int AdifLogReader::read(QsoRecord& record) {
    std::optional<QsoTimestamp> utc =
        QsoTimestamp::fromAdif(cp932::trim(fields_[kQsoDate]), cp932::trim(fields_[kTimeOn]));
    storeJapanTime(record, *utc, true);

    int cut = 0;
    // A field counts once, whether it was cut or had characters without a CP932 form.
    auto put = [&](auto& field, std::string_view text) { cut += store(field, text) || replaced_; };
    const std::string_view call = cp932::trim(converted(fields_[kCall]));
    cut += storeCall(record, call, replaced_);
    cut += storeFrequency(record);
    put(record.mode, converted(mode()));
    put(record.hisRst, converted(fields_[kRstSent]));
    put(record.myRst, converted(fields_[kRstRcvd]));
    code_.clear();
    for (char c : converted(fields_[kSrxString])) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            code_.push_back(c);
        }
    }
    put(record.code, code_);
    // A 7-byte field holds a 6-character locator; an 8- or 10-character one keeps its first 6.
    std::string_view grid = cp932::trim(converted(fields_[kGridsquare]));
    cut += store(record.gl, grid.substr(0, 6)) || grid.size() > 6 || replaced_;
    put(record.qsl, converted(fields_[kQslRcvd]));

    // The _INTL fields are ADIF's Unicode forms, used when the plain field is absent.
    auto plainOrIntl = [this](Field plain, Field intl) {
        return converted(fields_[plain].empty() ? fields_[intl] : fields_[plain]);
    };
    put(record.name, plainOrIntl(kName, kNameIntl));
    put(record.qth, plainOrIntl(kQth, kQthIntl));
    put(record.remarks1, plainOrIntl(kComment, kCommentIntl));
    put(record.remarks2, plainOrIntl(kNotes, kNotesIntl));
    return cut;
}
