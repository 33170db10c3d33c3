// Reading integers from edit-box text and the framework's messages for refused ones.
#include "common/IntegerText.h"

#include "common/Cp932.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

std::optional<int> IntegerText::parse(std::string_view text) {
    std::string t(cp932::trim(text));
    if (t.empty() || !(t.back() >= '0' && t.back() <= '9')) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(t.c_str(), &end, 10);
    if (end != t.c_str() + t.size() || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

const std::string& IntegerText::notIntegerMessage() {
    return cp932::lit("整数を入力してください。");
}

std::string IntegerText::rangeMessage(int min, int max) {
    std::string text = cp932::lit("%1 から %2 までの整数を入力してください。");
    text.replace(cp932::find(text, "%1"), 2, std::to_string(min));
    text.replace(cp932::find(text, "%2"), 2, std::to_string(max));
    return text;
}
