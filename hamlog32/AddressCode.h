// Kinds of JARL address codes (city and county numbers) as the caller's ChosonCheck expects them.
#pragma once

#include <string_view>

class AddressCode {
public:
    static constexpr int kNone = 0;
    static constexpr int kCity = 4;       // 4 digits
    static constexpr int kCounty = 5;     // 5 digits
    static constexpr int kCityWard = 6;   // 6 digits
    static constexpr int kCountyTown = 7; // 5 digits and a letter

    // The kind of code, blanks around it ignored.
    static int kindOf(std::string_view code);
};
