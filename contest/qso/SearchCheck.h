// The checks of the search dialog on accept, over the texts and boxes the user left in it.
#pragma once

#include "common/Prompter.h"
#include "document/ContestSettings.h"

#include <array>
#include <string>

class SearchCheck {
public:
    // Period fields in dialog order: start year, month, day, hour, minute, then the same for the end.
    static constexpr int kPeriodFieldCount = 10;

    struct Form {
        std::array<std::string, kPeriodFieldCount> period; // as typed (CP932)
        int selectBands = 0;
        std::array<int, ContestSettings::kBandCount> bandEnabled{};
        int selectModes = 0;
        std::array<int, ContestSettings::kModeCount> modeEnabled{};
        int excludeSameBandDupes = 1;
    };

    // Where focus goes when a check fails.
    enum class Focus { none, periodField, bandBoxes, modeBoxes };

    struct Result {
        bool ok = true;
        std::string message; // CP932
        std::string caption;
        Prompter::Icon icon = Prompter::Icon::none;
        Focus focus = Focus::none;
        int field = -1; // the failing period field for Focus::periodField
    };

    // The dialog's values from the document's search conditions.
    static Form fromSettings(const ContestSettings& settings);

    // Checks the form in dialog order; the first failure is reported. The caption of the framework's
    // integer messages is the program's title.
    static Result check(const Form& form);

    // Copies a form that passed the checks into the search conditions.
    static void toSettings(const Form& form, ContestSettings& settings);
};
