// The print position dialog's values: the two offset boxes, copied in at opening and back on OK.
#pragma once

#include "app/MasterSettings.h"
#include "common/Prompter.h"

#include <array>
#include <string>

class PrintPositionForm {
public:
    // Box 0 is Ｘ座標 (printX), box 1 Ｙ座標 (printY), both in 0.1 mm, as typed (CP932).
    std::array<std::string, 2> boxes;

    static PrintPositionForm fromSettings(const MasterSettings& settings);

    // -1 when both boxes hold decimal integers (any sign and size within 32 bits), otherwise the
    // first box that does not, after "整数を入力してください。" was shown through the prompter.
    int confirm(Prompter& prompter) const;

    // Stores both boxes; only for a form that confirm accepted.
    void toSettings(MasterSettings& settings) const;
};
