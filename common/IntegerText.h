// Integers typed into edit boxes, read and refused the way the dialog framework does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class IntegerText {
public:
    // Blanks around it, an optional sign, decimal digits and nothing else, within 32 bits.
    static std::optional<int> parse(std::string_view text);

    // "整数を入力してください。" and "%1 から %2 までの整数を入力してください。" filled in (CP932).
    static const std::string& notIntegerMessage();
    static std::string rangeMessage(int min, int max);
};
