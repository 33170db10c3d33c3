// Carrying over a previous uninstall log and recording associations in the RestoreRelate slots.
#include "uninstall/UninstallLists.h"

#include "services/FileRoutines.h"
#include "services/IniValues.h"
#include "services/MbcsText.h"

namespace {

// Values prefix1, prefix2, ... of a section up to the first empty one, appended to the list.
void appendNumbered(SetupContext& context, const std::string& log, const std::string& section,
                    const std::string& prefix, std::vector<std::string>& list) {
    for (int n = 1;; ++n) {
        std::string value = ReadIniValue(context, section, prefix + std::to_string(n), "", log);
        if (value.empty()) {
            return;
        }
        list.push_back(std::move(value));
    }
}

} // namespace

void UninstallLists::carryOver(SetupContext& context, const std::string& setupFolder) {
    const std::string log = setupFolder + "UNSETUP.INI";
    if (!FileExists(context, log)) {
        return;
    }
    const std::string backup = context.values.workFolder + "UNSETUPB.INI";
    // Should the backup fail, the log itself is read, so its entries are not lost with it.
    const std::string& previous = CopyFileOverwrite(context, log, backup) == 0 ? backup : log;

    for (int n = 1; n <= kRelateSlots; ++n) {
        std::string value =
            ReadIniValue(context, "RestoreRelate", "Key" + std::to_string(n), "", previous);
        if (value.empty()) {
            continue;
        }
        for (std::string& slot : restoreRelate) {
            if (MbcsPosText(value, slot) > 0) {
                break;
            }
            if (slot.empty()) {
                slot = value;
                break;
            }
        }
    }
    appendNumbered(context, previous, "DeleteFolder", "Folder", folders);
    appendNumbered(context, previous, "DeleteFile", "File", files);
    appendNumbered(context, previous, "DeleteShortCut", "File", shortcuts);
    appendNumbered(context, previous, "DeleteRegistry", "Key", registryKeys);
}

bool UninstallLists::hasAssociation(const std::string& extension) const {
    for (const std::string& slot : restoreRelate) {
        // The extension is the part before the first ",", which IniIndexKey gives. It must be the
        // whole of it: "xt" found inside "txt" would leave .xt unrestored at uninstall.
        if (!slot.empty() && MapStringCase(IniIndexKey(slot), kMapUpperCase) ==
                                 MapStringCase(extension, kMapUpperCase)) {
            return true;
        }
    }
    return false;
}

bool UninstallLists::recordAssociation(const std::string& extension,
                                       const std::string& previousType) {
    if (hasAssociation(extension)) {
        return true;
    }
    for (std::string& slot : restoreRelate) {
        if (slot.empty()) {
            slot = extension + "," + previousType;
            return true;
        }
    }
    return false;
}
