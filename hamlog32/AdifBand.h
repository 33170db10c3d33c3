// ADIF band names ("40m", "70cm") and the frequency text a record gets for a QSO logged by band
// only.
#pragma once

#include <string_view>

class AdifBand {
public:
    // The frequency text in MHz for an ADIF band name (any case, blanks around it ignored); "" for
    // an unknown name.
    static std::string_view frequencyOf(std::string_view band);
};
