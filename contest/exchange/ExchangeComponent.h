// One piece of an exchange-column rule: which kind of text it yields and from where.
#pragma once

#include <string>

struct ExchangeComponent {
    int choice = 0;        // the radio button chosen on the rule's page, encoded per rule
    std::string fixedText{}; // at most 255 bytes of CP932
    int qsoField = 0;      // 0..13, index into the QSO data fields
    int fromColumn = 0;    // first byte column kept, 1-based
    int toColumn = 0;      // last byte column kept, inclusive
    int digits = 0;        // minimum width of a serial number, where the rule has one

    bool operator==(const ExchangeComponent&) const = default;
};
