// What an installation records for its uninstaller: the folder, file, shortcut and registry key
// lists and the 20 RestoreRelate slots, taken over from a previous log in the same folder first.
#pragma once

#include "services/SetupContext.h"

#include <array>
#include <string>
#include <vector>

class UninstallLists {
public:
    static constexpr int kRelateSlots = 20;

    std::vector<std::string> folders;
    std::vector<std::string> files; // path, then the copy options as the script spells them
    std::vector<std::string> shortcuts;
    std::vector<std::string> registryKeys;
    std::array<std::string, kRelateSlots> restoreRelate; // "ext,previous type", or empty

    // When <setupFolder>UNSETUP.INI exists: copies it to <work folder>UNSETUPB.INI, fills the
    // RestoreRelate slots from it and starts the four lists with its entries, in its order.
    void carryOver(SetupContext& context, const std::string& setupFolder);

    // True when a filled slot names the extension before its first "," (without regard to case).
    bool hasAssociation(const std::string& extension) const;
    // Puts "ext,previous type" into the first empty slot unless hasAssociation; false when the
    // association could not be recorded because every slot is taken.
    bool recordAssociation(const std::string& extension, const std::string& previousType);
};
