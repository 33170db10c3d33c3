// Integer and range checks of the period fields, then the band and mode selections.
#include "qso/SearchCheck.h"

#include "app/ProgramTitle.h"
#include "common/Cp932.h"
#include "common/IntegerText.h"

#include <optional>

namespace {

struct Range {
    int min;
    int max;
};

// Years, months, days, hours, minutes; 24 and 60 are accepted as the dialog always did.
constexpr Range kRanges[SearchCheck::kPeriodFieldCount] = {
    {0, 9999}, {1, 12}, {1, 31}, {0, 24}, {0, 60}, {0, 9999}, {1, 12}, {1, 31}, {0, 24}, {0, 60},
};

int* periodMember(ContestSettings& s, int field) {
    int* members[SearchCheck::kPeriodFieldCount] = {
        &s.startYear, &s.startMonth, &s.startDay, &s.startHour, &s.startMinute,
        &s.endYear,   &s.endMonth,   &s.endDay,   &s.endHour,   &s.endMinute,
    };
    return members[field];
}

template <typename Array>
bool anyTicked(const Array& boxes) {
    for (int b : boxes) {
        if (b == 1) {
            return true;
        }
    }
    return false;
}

} // namespace

SearchCheck::Form SearchCheck::fromSettings(const ContestSettings& settings) {
    Form form;
    ContestSettings s = settings;
    for (int i = 0; i < kPeriodFieldCount; ++i) {
        form.period[static_cast<std::size_t>(i)] = std::to_string(*periodMember(s, i));
    }
    form.selectBands = s.selectBands;
    form.bandEnabled = s.bandEnabled;
    form.selectModes = s.selectModes;
    form.modeEnabled = s.modeEnabled;
    form.excludeSameBandDupes = s.excludeSameBandDupes;
    return form;
}

SearchCheck::Result SearchCheck::check(const Form& form) {
    Result r;
    for (int i = 0; i < kPeriodFieldCount; ++i) {
        std::optional<int> value = IntegerText::parse(form.period[static_cast<std::size_t>(i)]);
        const Range range = kRanges[i];
        if (!value) {
            r.message = IntegerText::notIntegerMessage();
        } else if (*value < range.min || *value > range.max) {
            r.message = IntegerText::rangeMessage(range.min, range.max);
        } else {
            continue;
        }
        r.ok = false;
        r.caption = kProgramTitle;
        r.icon = Prompter::Icon::exclamation;
        r.focus = Focus::periodField;
        r.field = i;
        return r;
    }
    if (form.selectBands == 1 && !anyTicked(form.bandEnabled)) {
        return {false, cp932::lit("周波数を指定して下さい"), "Error", Prompter::Icon::stop, Focus::bandBoxes, -1};
    }
    if (form.selectModes == 1 && !anyTicked(form.modeEnabled)) {
        return {false, cp932::lit("モードを指定して下さい"), "Error", Prompter::Icon::stop, Focus::modeBoxes, -1};
    }
    return r;
}

void SearchCheck::toSettings(const Form& form, ContestSettings& settings) {
    for (int i = 0; i < kPeriodFieldCount; ++i) {
        if (auto value = IntegerText::parse(form.period[static_cast<std::size_t>(i)])) {
            *periodMember(settings, i) = *value;
        }
    }
    settings.selectBands = form.selectBands;
    settings.bandEnabled = form.bandEnabled;
    settings.selectModes = form.selectModes;
    settings.modeEnabled = form.modeEnabled;
    settings.excludeSameBandDupes = form.excludeSameBandDupes;
}
