// Cutting a shortcut's target and name: the folder token decides the shell folder, the raw name
// decides which check box of the main window it follows.
#include "install/ShortcutEntry.h"

#include "install/ScriptText.h"
#include "services/MbcsText.h"
#include "services/PathText.h"

#include <algorithm>

namespace {

constexpr std::string_view kDefaultName = "Default";
constexpr std::size_t kFolderTokenLength = 5;

ShortcutEntry::Choice choiceOf(std::string_view rawName) {
    if (MbcsPosText("(Dsk)", rawName) > 0) {
        return ShortcutEntry::Choice::desktop;
    }
    if (MbcsPosText("(Sta)", rawName) > 0 || rawName == kDefaultName) {
        return ShortcutEntry::Choice::startMenu;
    }
    if (MbcsPosText("(Sup)", rawName) > 0) {
        return ShortcutEntry::Choice::startUp;
    }
    if (MbcsPosText("(Sen)", rawName) > 0) {
        return ShortcutEntry::Choice::sendTo;
    }
    return ShortcutEntry::Choice::always;
}

int specialFolderOf(std::string_view token) {
    struct Folder {
        std::string_view token;
        int id;
    };
    constexpr Folder folders[] = {{"(Dsk)", 0}, {"(Sta)", 2}, {"(Sup)", 7}, {"(Sen)", 9}};
    for (const Folder& folder : folders) {
        if (IsToken(token, folder.token)) {
            return folder.id;
        }
    }
    return 2;
}

} // namespace

ShortcutEntry ShortcutEntry::parseReplaced(std::string_view /*rawMake*/, std::string_view rawName,
                                           const std::string& make, const std::string& name) {
    ShortcutEntry entry;
    entry.choice = choiceOf(rawName);

    ScriptCut target = CutAtFirst(make, ",");
    entry.target = std::string(target.head);
    entry.arguments = std::string(target.tail);

    std::string link = rawName == kDefaultName ? ExtractFileName(entry.target) : name;
    ScriptCut place = CutAtFirst(link, ",");
    entry.workingDirectory = std::string(place.tail);
    std::string tokenAndName(place.head);
    bool hasToken = tokenAndName.starts_with('(') || (tokenAndName.size() >= kFolderTokenLength &&
                                                      tokenAndName[kFolderTokenLength - 1] == ')');
    if (!hasToken) {
        tokenAndName.insert(0, "(Sta)");
    }
    entry.specialFolderId = specialFolderOf(tokenAndName.substr(0, kFolderTokenLength));
    entry.linkName = tokenAndName.substr(std::min(tokenAndName.size(), kFolderTokenLength));
    return entry;
}
