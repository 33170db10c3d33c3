// The key table of the master settings.
#include "app/MasterSettings.h"

const std::array<MasterSettings::Key, 24>& MasterSettings::keys() {
    using M = MasterSettings;
    static const std::array<Key, 24> table{{
        {"CALLSIGN", &M::callSign, nullptr, -1},
        {"CALLSIGN2", &M::callSign2, nullptr, -1},
        {"CLUBNAME", &M::clubName, nullptr, -1},
        {"CLUBNO", &M::clubNo, nullptr, -1},
        {"THDIR", &M::thDir, nullptr, -1},
        {"POWER", &M::power, nullptr, -1},
        {"PWRTYPE", nullptr, &M::pwrType, -1},
        {"SIKAKU", &M::sikaku, nullptr, -1},
        {"ADDR1", &M::addr1, nullptr, -1},
        {"ADDR2", &M::addr2, nullptr, -1},
        {"NAME", &M::name, nullptr, -1},
        {"EMAIL", &M::email, nullptr, -1},
        {"POSTID", &M::postId, nullptr, -1},
        {"TELNO", &M::telNo, nullptr, -1},
        {"MOVENAME", &M::moveName, nullptr, -1},
        {"MOVEP", &M::moveP, nullptr, -1},
        {"SETUBI1", nullptr, nullptr, 0},
        {"SETUBI2", nullptr, nullptr, 1},
        {"SETUBI3", nullptr, nullptr, 2},
        {"SETUBI4", nullptr, nullptr, 3},
        {"PRINTX", nullptr, &M::printX, -1},
        {"PRINTY", nullptr, &M::printY, -1},
        {"CABRILLO_CONTEST", &M::cabrilloContest, nullptr, -1},
        {"CABRILLO_CATEGORY", &M::cabrilloCategory, nullptr, -1},
    }};
    return table;
}

std::string* MasterSettings::textOf(const Key& key) {
    if (key.setubiIndex >= 0) {
        return &setubi[static_cast<std::size_t>(key.setubiIndex)];
    }
    return key.text ? &(this->*key.text) : nullptr;
}

const std::string* MasterSettings::textOf(const Key& key) const {
    return const_cast<MasterSettings*>(this)->textOf(key);
}
