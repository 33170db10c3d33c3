// Code page 932 text routines. The mapping tables are written as UTF-8 and converted once.
#include "services/MbcsText.h"

#include "common/Cp932.h"
#include "services/PathText.h"

#include <algorithm>

namespace {

// Full-width forms of 0x20-0x7E, two bytes each once converted.
const std::string& fullWidthAscii() {
    return cp932::lit("　！＂＃＄％＆＇（）＊＋，－．／０１２３４５６７８９：；＜＝＞？＠"
                      "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ［＼］＾＿｀"
                      "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～");
}

// Full-width forms of the half-width katakana 0xA1-0xDF.
const std::string& fullWidthKana() {
    return cp932::lit("。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソ"
                      "タチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜");
}

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

bool takesVoicedMark(unsigned char kana) {
    return (kana >= 0xB6 && kana <= 0xC4) || (kana >= 0xCA && kana <= 0xCE); // ｶ-ﾄ, ﾊ-ﾎ
}

bool takesSemiVoicedMark(unsigned char kana) {
    return kana >= 0xCA && kana <= 0xCE; // ﾊ-ﾎ
}

std::string toFullWidth(std::string_view text) {
    const std::string& ascii = fullWidthAscii();
    const std::string& kana = fullWidthKana();
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (cp932::isLeadByte(c)) {
            out += text.substr(i, 2);
            ++i;
        } else if (c >= 0x20 && c <= 0x7E && ascii.size() == 2 * 95) {
            out += ascii.substr(std::size_t{c - 0x20u} * 2, 2);
        } else if (c >= 0xA1 && c <= 0xDF && kana.size() == 2 * 63) {
            std::string wide = kana.substr(std::size_t{c - 0xA1u} * 2, 2);
            unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (next == kVoicedMark && c == 0xB3) {
                wide = "\x83\x94"; // ｳﾞ is ヴ
                ++i;
            } else if (next == kVoicedMark && takesVoicedMark(c)) {
                wide[1] = static_cast<char>(wide[1] + 1);
                ++i;
            } else if (next == kSemiVoicedMark && takesSemiVoicedMark(c)) {
                wide[1] = static_cast<char>(wide[1] + 2);
                ++i;
            }
            out += wide;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// The upper-case form of a double-byte character, as lead << 8 | trail.
unsigned upperDoubleByte(unsigned code) {
    if (code >= 0x8281 && code <= 0x829A) { // ａ-ｚ
        return code - 0x21;
    }
    if (code >= 0x83BF && code <= 0x83D6) { // α-ω
        return code - 0x20;
    }
    if (code >= 0x8470 && code <= 0x8491 && code != 0x847F) { // а-я, with ё at 0x8476
        return 0x8440 + (code < 0x847F ? code - 0x8470 : code - 0x8471);
    }
    if (code >= 0xEEEF && code <= 0xEEF8) { // small Roman numerals (NEC-selected IBM rows)
        return 0x8754 + (code - 0xEEEF);
    }
    if (code >= 0xFA40 && code <= 0xFA49) { // small Roman numerals (IBM rows)
        return 0x8754 + (code - 0xFA40);
    }
    return code;
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (cp932::isLeadByte(c)) {
            if (i + 1 < out.size()) {
                unsigned code = upperDoubleByte((c << 8) | static_cast<unsigned char>(out[i + 1]));
                out[i] = static_cast<char>(code >> 8);
                out[i + 1] = static_cast<char>(code & 0xFF);
            }
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

} // namespace

bool IsLeadByte(unsigned char byte) {
    return cp932::isLeadByte(byte);
}

int MbcsPos(std::string_view sub, std::string_view text) {
    if (sub.empty()) {
        return 0;
    }
    for (std::size_t i = 0; i < text.size();
         i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
        if (text[i] == sub[0] && text.substr(i, sub.size()) == sub) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

int MbcsPosText(std::string_view sub, std::string_view text) {
    return MbcsPos(MapStringCase(sub, kMapUpperCase), MapStringCase(text, kMapUpperCase));
}

std::string MapStringCase(std::string_view text, std::uint32_t flags) {
    if ((flags & (kMapUpperCase | kMapFullWidth)) == 0 ||
        (flags & ~(kMapUpperCase | kMapFullWidth)) != 0) {
        return std::string(text);
    }
    std::string out = (flags & kMapFullWidth) ? toFullWidth(text) : std::string(text);
    return (flags & kMapUpperCase) ? toUpper(out) : out;
}

std::string LeftStr(std::string_view text, int count) {
    return count <= 0 ? std::string()
                      : std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string RightStr(std::string_view text, int count) {
    if (count <= 0) {
        return {};
    }
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(count));
    return std::string(text.substr(text.size() - n));
}

std::string MidStr(std::string_view text, int start) {
    std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start - 1);
    return from >= text.size() ? std::string() : std::string(text.substr(from));
}

std::string ReplaceToken(std::string_view text, std::string_view token, std::string_view value) {
    std::string result(text);
    std::size_t searchFrom = 0;
    for (;;) {
        int found = MbcsPosText(token, std::string_view(result).substr(searchFrom));
        if (found == 0) {
            return result;
        }
        std::size_t at = searchFrom + static_cast<std::size_t>(found) - 1;
        std::string before = result.substr(0, at);
        std::string after = result.substr(at + token.size());
        if (EndsWithBackslash(value) && !after.empty() && after.front() == '\\') {
            after.erase(0, 1);
        }
        result = before + std::string(value) + after;
        searchFrom = at + value.size();
    }
}
