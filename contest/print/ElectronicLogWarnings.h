// What an electronic log had to leave out or write differently, for the user: QSOs gathered under
// what happened to them, each group one message that counts them and names their record numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class ElectronicLogWarnings {
public:
    // Files the QSO of a record number (0 for a row without its QSO) under `what` (CP932).
    void note(std::string_view what, int recordNumber);
    // A warning about no QSO in particular.
    void add(std::string message);

    // The warnings in the order they first came, CP932: "what: 4件 (レコード番号 4, 8-10)", the
    // record numbers ascending.
    std::vector<std::string> messages() const;

private:
    struct Entry {
        std::string text;
        std::vector<int> records;
        bool grouped = false;
    };
    std::vector<Entry> entries_;
};
