// Locale-independent decimal reading and compact writing of MHz values.
#include "Megahertz.h"

#include <algorithm>
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
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    std::uint64_t whole = 0;
    bool saturated = false;
    bool anyDigit = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        anyDigit = true;
        if (!saturated) {
            whole = whole * 10 + static_cast<unsigned>(text[i] - '0');
            saturated = whole >= kMegahertzLimit;
        }
    }
    std::uint64_t fraction = 0; // in hertz
    bool belowHertz = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::uint64_t scale = kHertzPerMegahertz / 10;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            anyDigit = true;
            unsigned digit = static_cast<unsigned>(text[i] - '0');
            if (scale > 0) {
                fraction += digit * scale;
                scale /= 10;
            } else if (digit != 0) {
                belowHertz = true;
            }
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (saturated) {
        return Megahertz(std::numeric_limits<std::uint64_t>::max(), false);
    }
    return Megahertz(whole * kHertzPerMegahertz + fraction, belowHertz);
}

std::string Megahertz::compact(std::size_t maxBytes) const {
    std::string whole = std::to_string(hertz_ / kHertzPerMegahertz);
    if (whole.size() > maxBytes) {
        return {};
    }
    std::string fraction =
        std::to_string(hertz_ % kHertzPerMegahertz + kHertzPerMegahertz).substr(1);
    std::size_t room = maxBytes - whole.size();
    fraction.resize(room > 1 ? std::min(fraction.size(), room - 1) : 0);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? whole : whole + "." + fraction;
}
