// Locale-independent decimal reading and compact writing of MHz values.
#include "hamlog32/Megahertz.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

constexpr std::uint64_t kHertzPerMegahertz = 1'000'000;
// Integer MHz parts at or above this saturate (far beyond any radio frequency).
constexpr std::uint64_t kMegahertzLimit = 1'000'000'000'000ULL;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::optional<Megahertz> Megahertz::parseLeading(std::string_view text) {
    const char* numberEnd = nullptr;
    return parseAt(text, numberEnd);
}

std::optional<Megahertz> Megahertz::parse(std::string_view text) {
    const char* numberEnd = nullptr;
    std::optional<Megahertz> value = parseAt(text, numberEnd);
    const char* end = text.data() + text.size();
    while (value && numberEnd != end && isBlank(*numberEnd)) {
        ++numberEnd;
    }
    return value && numberEnd == end ? value : std::nullopt;
}

std::optional<Megahertz> Megahertz::parseAt(std::string_view text, const char*& numberEnd) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && isBlank(*p)) {
        ++p;
    }
    const char* wholeDigits = p;
    std::uint64_t whole = 0;
    for (; p != end && isDigit(*p); ++p) {
        if (whole < kMegahertzLimit) { // beyond it the value saturates, so it stops growing
            whole = whole * 10 + static_cast<unsigned>(*p - '0');
        }
    }
    bool anyDigit = p != wholeDigits;
    std::uint64_t fraction = 0; // in hertz
    bool belowHertz = false;
    if (p != end && *p == '.') {
        ++p;
        // Hertz for a digit at each place after the point; later places are below one hertz.
        static constexpr unsigned kPlaceHertz[] = {100'000, 10'000, 1'000, 100, 10, 1};
        const char* fractionDigits = p;
        for (; p != end && isDigit(*p); ++p) {
            unsigned digit = static_cast<unsigned>(*p - '0');
            std::size_t place = static_cast<std::size_t>(p - fractionDigits);
            if (place < std::size(kPlaceHertz)) {
                fraction += digit * kPlaceHertz[place];
            } else if (digit != 0) {
                belowHertz = true;
            }
        }
        anyDigit = anyDigit || p != fractionDigits;
    }
    numberEnd = p;
    if (!anyDigit) {
        return std::nullopt;
    }
    if (whole >= kMegahertzLimit) {
        return Megahertz(std::numeric_limits<std::uint64_t>::max(), false);
    }
    return Megahertz(whole * kHertzPerMegahertz + fraction, belowHertz);
}

std::string Megahertz::compact(std::size_t maxBytes, bool* cut) const {
    std::string whole = std::to_string(hertz_ / kHertzPerMegahertz);
    if (whole.size() > maxBytes) {
        if (cut) {
            *cut = true;
        }
        return {};
    }
    std::string fraction =
        std::to_string(hertz_ % kHertzPerMegahertz + kHertzPerMegahertz).substr(1);
    auto dropTrailingZeros = [&fraction] {
        while (!fraction.empty() && fraction.back() == '0') {
            fraction.pop_back();
        }
    };
    dropTrailingZeros();
    std::size_t room = maxBytes - whole.size();
    std::size_t kept = room > 1 ? std::min(fraction.size(), room - 1) : 0;
    if (cut) {
        *cut = belowHertz_ || kept < fraction.size();
    }
    fraction.resize(kept);
    dropTrailingZeros();
    return fraction.empty() ? whole : whole + "." + fraction;
}
