// Finding the station's own call among the parts of a call sign written with '/'.
#include "hamlog32/CallSign.h"

#include <cstring>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Calls visit for each part between slashes, empty ones left out, in the order they stand.
template <class Visit>
void forEachPart(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('/', start);
        end = end == std::string_view::npos ? text.size() : end;
        if (end > start) {
            visit(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

// How strongly a part is the station: more letters after the area digits first, then more in all
// ("VP2E/JA1ABC" is JA1ABC's); 0 when it does not look like a full call.
std::size_t stationScore(std::string_view part) {
    if (!CallSign::looksComplete(part)) {
        return 0;
    }
    std::size_t suffix = 0;
    while (!isDigit(part[part.size() - 1 - suffix])) {
        ++suffix;
    }
    return suffix * 256 + part.size();
}

std::string_view withoutSlashesAround(std::string_view text) {
    while (!text.empty() && text.front() == '/') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == '/') {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool CallSign::looksComplete(std::string_view part) {
    std::size_t lastDigit = std::string_view::npos;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (isDigit(part[i])) {
            lastDigit = i;
        } else if (!isLetter(part[i])) {
            return false;
        }
    }
    if (lastDigit == std::string_view::npos || lastDigit + 1 == part.size()) {
        return false;
    }
    std::size_t areaDigits = lastDigit;
    while (areaDigits > 0 && isDigit(part[areaDigits - 1])) {
        --areaDigits;
    }
    for (std::size_t i = 0; i < areaDigits; ++i) {
        if (isLetter(part[i])) {
            return true;
        }
    }
    return false;
}

CallSign::CallSign(std::string_view written) {
    if (written.find('/') == std::string_view::npos) {
        station_ = written;
        return;
    }
    std::string_view first;
    std::size_t bestScore = 0;
    forEachPart(written, [&](std::string_view part) {
        first = first.empty() ? part : first;
        std::size_t score = stationScore(part);
        if (score > bestScore) {
            bestScore = score;
            station_ = part;
        }
    });
    if (first.empty()) {
        return; // nothing but slashes
    }
    if (bestScore == 0) {
        station_ = first;
    }
    const std::size_t at = static_cast<std::size_t>(station_.data() - written.data());
    const std::string_view before = withoutSlashesAround(written.substr(0, at));
    const std::string_view after = withoutSlashesAround(written.substr(at + station_.size()));
    const bool bothSides = !before.empty() && !after.empty();
    if (!bothSides) {
        portable_ = before.empty() ? after : before;
        if (portable_.size() <= kPortableBytes || portable_.find('/') == std::string_view::npos) {
            return; // fits, or one part that is cut as it stands
        }
    } else if (before.size() + 1 + after.size() <= kPortableBytes) {
        std::memcpy(joined_, before.data(), before.size());
        joined_[before.size()] = '/';
        std::memcpy(joined_ + before.size() + 1, after.data(), after.size());
        portable_ = std::string_view(joined_, before.size() + 1 + after.size());
        return;
    }
    shortened_ = true;
    std::string_view firstOther;
    std::string_view area;
    auto consider = [&](std::string_view part) {
        firstOther = firstOther.empty() ? part : firstOther;
        if (area.empty() && part.find_first_of("0123456789") != std::string_view::npos) {
            area = part;
        }
    };
    forEachPart(before, consider);
    forEachPart(after, consider);
    portable_ = area.empty() ? firstOther : area;
}
