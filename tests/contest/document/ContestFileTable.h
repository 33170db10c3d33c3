// The contest file's value table written out independently of the reader, for building files by
// hand.
#pragma once

#include "common/Cp932.h"
#include "document/ContestSettings.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace con_table {

using Slot = std::variant<int*, std::string*>;

// Pointers to the members that hold values 2 to 124 of the file, in file order (slot i is value
// i+2).
inline std::vector<Slot> slots(ContestSettings& s) {
    std::vector<Slot> v;
    v.push_back(&s.selectBands);
    for (int& on : s.bandEnabled)
        v.push_back(&on);
    v.push_back(&s.selectModes);
    for (int& on : s.modeEnabled)
        v.push_back(&on);
    for (int* n : {&s.excludeSameBandDupes, &s.startYear, &s.startMonth, &s.startDay, &s.endYear,
                   &s.endMonth, &s.endDay, &s.startHour, &s.startMinute, &s.endHour, &s.endMinute})
        v.push_back(n);
    for (std::string* t : {&s.categoryName, &s.categoryCode, &s.contestName, &s.opinionText,
                           &s.senderText, &s.oathText})
        v.push_back(t);
    auto& r = s.rules;
    for (auto* c : {&r.sendNo[0], &r.sendNo[1]})
        for (Slot slot :
             {Slot{&c->fixedText}, Slot{&c->qsoField}, Slot{&c->toColumn}, Slot{&c->fromColumn}})
            v.push_back(slot);
    for (Slot slot :
         {Slot{&r.sendNo[2].fixedText}, Slot{&r.sendNo[2].qsoField}, Slot{&r.sendNo[2].fromColumn},
          Slot{&r.sendNo[2].toColumn}, Slot{&r.sendNo[0].choice}, Slot{&r.sendNo[1].choice},
          Slot{&r.sendNo[2].choice}})
        v.push_back(slot);
    auto component = [&v](ExchangeComponent& c) {
        for (Slot slot : {Slot{&c.fixedText}, Slot{&c.qsoField}, Slot{&c.toColumn},
                          Slot{&c.fromColumn}, Slot{&c.choice}})
            v.push_back(slot);
    };
    for (auto& c : r.recvNo)
        component(c);
    component(r.summaryMulti);
    component(r.logMulti);
    for (int* n : {&r.summaryCoef.value, &r.summaryCoef.choice, &r.logPoints.fixedValue,
                   &r.logPoints.qsoField, &r.logPoints.toColumn, &r.logPoints.fromColumn,
                   &r.logPoints.choice})
        v.push_back(n);
    for (auto& c : r.logOperator)
        component(c);
    for (auto& c : r.logRemarks)
        component(c);
    for (int* n :
         {&r.sendNo[1].digits, &r.sendNo[2].digits, &r.recvNo[1].digits, &r.recvNo[2].digits})
        v.push_back(n);
    return v;
}

inline std::string int32(int value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

// Values 2 to lastValue of s, each text shorter than 255 bytes with a one-byte prefix.
inline std::string values(ContestSettings s, int lastValue) {
    std::string out;
    const auto all = slots(s);
    for (int n = 2; n <= lastValue; ++n) {
        const Slot& slot = all[static_cast<std::size_t>(n - 2)];
        if (auto* number = std::get_if<int*>(&slot)) {
            out += int32(**number);
        } else {
            const std::string& text = *std::get<std::string*>(slot);
            out += static_cast<char>(text.size());
            out += text;
        }
    }
    return out;
}

// Settings whose every stored value differs from all others: integer value n holds n, text value n
// holds a Japanese word and n.
inline ContestSettings populated() {
    ContestSettings s;
    int n = 2;
    for (const Slot& slot : slots(s)) {
        if (auto* number = std::get_if<int*>(&slot))
            **number = n;
        else
            *std::get<std::string*>(slot) = cp932::lit("値") + std::to_string(n);
        ++n;
    }
    return s;
}

// s with the values after lastValue cleared, as a shorter form of the file loads them.
inline ContestSettings upTo(ContestSettings s, int lastValue) {
    const auto all = slots(s);
    for (std::size_t i = static_cast<std::size_t>(lastValue - 1); i < all.size(); ++i) {
        if (auto* number = std::get_if<int*>(&all[i]))
            **number = 0;
        else
            std::get<std::string*>(all[i])->clear();
    }
    return s;
}

} // namespace con_table
