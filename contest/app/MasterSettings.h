// The station and operator particulars that stay the same from contest to contest.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct MasterSettings {
    // Texts are CP932, at most kMaxText bytes each.
    static constexpr std::size_t kMaxText = 255;

    std::string clubName;
    std::string clubNo;
    std::string thDir; // full path of the log database file
    std::string callSign;
    std::string callSign2; // operator's call sign
    std::string power;
    int pwrType = 0;    // 0 rated power, 1 measured power
    std::string sikaku; // licence class
    std::string addr1;
    std::string addr2;
    std::string name;
    std::string email;
    std::string postId;
    std::string telNo;
    std::string moveName;              // portable operating location
    std::string moveP;                 // power source used
    std::array<std::string, 4> setubi; // equipment lines 1 to 4
    int printX = 0;                    // print offsets in 0.1 mm
    int printY = 0;
    // The Cabrillo header's contest name and category ("OPERATOR BAND MODE POWER"), as last used.
    std::string cabrilloContest;
    std::string cabrilloCategory;

    // One ini key and the member it names; texts have text set, integers integer.
    struct Key {
        const char* name;
        std::string MasterSettings::*text;
        int MasterSettings::*integer;
        int setubiIndex; // >= 0 for SETUBI1..4
    };

    // Every key of section "MASTER" in the order they are read and written.
    static const std::array<Key, 24>& keys();

    std::string* textOf(const Key& key);
    const std::string* textOf(const Key& key) const;

    bool operator==(const MasterSettings&) const = default;
};
