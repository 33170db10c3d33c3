// CP932 conversions (iconv on POSIX, the system's code page functions on Windows), and
// byte-string routines that never split a double-byte character.
#include "common/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <unordered_map>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace cp932 {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

#ifdef _WIN32

std::wstring widen(std::string_view in, unsigned page, DWORD flags) {
    const int inLength = static_cast<int>(in.size());
    int wide = ::MultiByteToWideChar(page, flags, in.data(), inLength, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(page, flags, in.data(), inLength, out.data(), wide);
    return out;
}

std::string narrow(std::wstring_view in, unsigned page) {
    const char* fallback = page == CP_UTF8 ? nullptr : "?";
    const int inLength = static_cast<int>(in.size());
    int bytes = ::WideCharToMultiByte(page, 0, in.data(), inLength, nullptr, 0, fallback, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(page, 0, in.data(), inLength, out.data(), bytes, fallback, nullptr);
    return out;
}

#else

// One converter per direction and thread; iconv_open is too slow to repeat for every string.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; on a byte sequence that cannot be converted, calls onBad with
    // the remaining input, which returns how many bytes to skip and appends its own replacement.
    template <typename OnBad>
    std::string run(std::string_view in, OnBad onBad) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.reserve(in.size() + in.size() / 2 + 8);
        char buffer[4096];
        std::size_t pos = 0;
        while (pos < in.size()) {
            char* inPtr = const_cast<char*>(in.data() + pos);
            std::size_t inLeft = in.size() - pos;
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            pos = in.size() - inLeft;
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                std::size_t skip = onBad(in.substr(pos), out);
                pos += skip == 0 ? 1 : skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

#endif

[[maybe_unused]] std::size_t utf8SequenceLength(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4) {
        return 4;
    }
    if (c >= 0xE0) {
        return 3;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        return 2;
    }
    return 1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

} // namespace

#ifdef _WIN32

// Windows maps bytes that CP932 leaves undefined (0x80, 0xA0, 0xFD-0xFF) to characters of its
// own; here they are invalid, as iconv has them. Runs of well-formed characters go to the system
// in one call, and one character at a time only when a run holds a pair without a mapping.
std::string toUtf8(std::string_view text) {
    std::wstring utf16;
    utf16.reserve(text.size());
    auto flush = [&](std::string_view run) {
        if (run.empty()) {
            return;
        }
        std::wstring wide = widen(run, 932, MB_ERR_INVALID_CHARS);
        if (!wide.empty()) {
            utf16 += wide;
            return;
        }
        for (std::size_t i = 0; i < run.size();) {
            std::size_t n = isLeadByte(static_cast<unsigned char>(run[i])) ? 2 : 1;
            wide = widen(run.substr(i, n), 932, MB_ERR_INVALID_CHARS);
            utf16 += wide.empty() ? std::wstring(1, L'\xFFFD') : wide;
            i += n;
        }
    };
    std::size_t runStart = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        std::size_t n = 1;
        bool valid = c < 0x80 || (c >= 0xA1 && c <= 0xDF);
        if (isLeadByte(c)) {
            valid = i + 1 < text.size() && isTrailByte(static_cast<unsigned char>(text[i + 1]));
            n = valid ? 2 : 1;
        }
        if (!valid) {
            flush(text.substr(runStart, i - runStart));
            utf16 += L'\xFFFD';
            runStart = i + n;
        }
        i += n;
    }
    flush(text.substr(runStart));
    return narrow(utf16, CP_UTF8);
}

// A character outside the basic plane has no CP932 form: its surrogate pair becomes one "?".
std::string fromUtf8(std::string_view text) {
    std::wstring utf16 = widen(text, CP_UTF8, 0);
    std::size_t out = 0;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        bool pair = utf16[i] >= 0xD800 && utf16[i] <= 0xDBFF && i + 1 < utf16.size() &&
                    utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
        utf16[out++] = pair ? L'\xFFFD' : utf16[i];
        i += pair ? 1 : 0;
    }
    utf16.resize(out);
    return narrow(utf16, 932);
}

#else

std::string toUtf8(std::string_view text) {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.run(text, [](std::string_view rest, std::string& out) -> std::size_t {
        out += kReplacementUtf8;
        auto lead = static_cast<unsigned char>(rest[0]);
        // An unmapped pair is skipped whole so that its trail byte is not read as a character.
        if (isLeadByte(lead) && rest.size() >= 2 &&
            isTrailByte(static_cast<unsigned char>(rest[1]))) {
            return 2;
        }
        return 1;
    });
}

std::string fromUtf8(std::string_view text) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.run(text, [](std::string_view rest, std::string& out) -> std::size_t {
        out += '?';
        std::size_t n = utf8SequenceLength(static_cast<unsigned char>(rest[0]));
        for (std::size_t i = 1; i < n; ++i) {
            if (i >= rest.size() || (static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) {
                return i;
            }
        }
        return n;
    });
}

#endif

std::string fromUtf16(std::u16string_view text) {
    std::string utf8;
    utf8.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(utf8, c);
    }
    return fromUtf8(utf8);
}

const std::string& lit(std::string_view utf8Literal) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::string> converted;
    std::lock_guard lock(mutex);
    auto [it, inserted] = converted.try_emplace(std::string(utf8Literal));
    if (inserted) {
        it->second = fromUtf8(utf8Literal);
    }
    return it->second;
}

namespace {

template <typename Equal>
std::size_t findImpl(std::string_view haystack, std::string_view needle, std::size_t from,
                     Equal equal) {
    if (needle.empty()) {
        return from <= haystack.size() ? from : std::string_view::npos;
    }
    std::size_t i = 0;
    while (i < from && i < haystack.size()) {
        i += isLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
    }
    for (; i + needle.size() <= haystack.size();
         i += isLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1) {
        if (equal(haystack.substr(i, needle.size()), needle)) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::size_t find(std::string_view haystack, std::string_view needle, std::size_t from) {
    return findImpl(haystack, needle, from,
                    [](std::string_view a, std::string_view b) { return a == b; });
}

std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    return findImpl(haystack, needle, from, equalsNoCase);
}

std::size_t boundaryAtOrBefore(std::string_view text, std::size_t maxBytes) {
    std::size_t n = std::min(maxBytes, text.size());
    // Bytes in the lead-byte range before position n pair up as lead and trail, starting after the
    // last byte outside that range (which always ends a character); an odd run ends in a lead byte
    // whose trail byte is cut off or missing. So only the run before the cut is looked at.
    std::size_t run = 0;
    while (run < n && isLeadByte(static_cast<unsigned char>(text[n - 1 - run]))) {
        ++run;
    }
    return run % 2 == 1 ? n - 1 : n;
}

std::string cut(std::string_view text, std::size_t maxBytes) {
    return std::string(text.substr(0, boundaryAtOrBefore(text, maxBytes)));
}

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return trimRight(text);
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (isLeadByte(c)) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (isLeadByte(x)) {
            // Double-byte characters compare exactly, trail byte included.
            if (x != y || i + 1 >= a.size() || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
            continue;
        }
        if (x >= 'a' && x <= 'z') {
            x = static_cast<unsigned char>(x - 'a' + 'A');
        }
        if (y >= 'a' && y <= 'z') {
            y = static_cast<unsigned char>(y - 'a' + 'A');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

} // namespace cp932
