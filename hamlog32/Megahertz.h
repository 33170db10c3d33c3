// A frequency written in MHz, read without the C locale and written back compactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Megahertz {
public:
    // The leading decimal number of text ("7.025", "  144 ", "1.9MHz"), blanks before it skipped;
    // none when the text does not start with a digit or a point followed by a digit. Values too
    // large for the representation saturate and so fall outside every band.
    static std::optional<Megahertz> parseLeading(std::string_view text);

    // The number when it is the whole text but for blanks around it (an ADIF frequency such as
    // "7.025"); none for "7,025", "7.025MHz" or "".
    static std::optional<Megahertz> parse(std::string_view text);

    static constexpr Megahertz fromHertz(std::uint64_t hertz) { return Megahertz(hertz, false); }

    std::uint64_t hertz() const { return hertz_; }

    // True when lowHz <= value <= highHz, counting digits below one hertz.
    bool within(std::uint64_t lowHz, std::uint64_t highHz) const {
        return hertz_ >= lowHz && (hertz_ < highHz || (hertz_ == highHz && !belowHertz_));
    }

    // The value in MHz without trailing zeros ("7.025", "144.1", "1200"), fraction digits dropped
    // from the end until it fits maxBytes; empty when even the integer part does not fit. cut, if
    // given, tells whether a digit of the value was left out.
    std::string compact(std::size_t maxBytes, bool* cut = nullptr) const;

private:
    // The leading number of text as parseLeading reads it; numberEnd is set to just after it.
    static std::optional<Megahertz> parseAt(std::string_view text, const char*& numberEnd);

    constexpr Megahertz(std::uint64_t hertz, bool belowHertz)
        : hertz_(hertz), belowHertz_(belowHertz) {}

    std::uint64_t hertz_;
    bool belowHertz_; // non-zero digits finer than one hertz were cut off
};
