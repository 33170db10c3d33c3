// Classification of address codes by their shape of digits and a town letter.
#include "hamlog32/AddressCode.h"

#include "common/Cp932.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

int AddressCode::kindOf(std::string_view code) {
    code = cp932::trim(code);
    std::size_t digits = 0;
    while (digits < code.size() && isDigit(code[digits])) {
        ++digits;
    }
    std::size_t rest = code.size() - digits;
    if (rest == 0) {
        switch (digits) {
        case 4:
            return kCity;
        case 5:
            return kCounty;
        case 6:
            return kCityWard;
        default:
            return kNone;
        }
    }
    if (digits == 5 && rest == 1 && isLetter(code[5])) {
        return kCountyTown;
    }
    return kNone;
}
