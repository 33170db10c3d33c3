// One shortcut of a setup script (ShortCut Make<n> and Name<n>): target, arguments, shell folder,
// link name, working directory, and which check box of the main window decides about it.
#pragma once

#include <string>
#include <string_view>

struct ShortcutEntry {
    enum class Choice { desktop, startMenu, startUp, sendTo, always };

    std::string target;
    std::string arguments;
    int specialFolderId = 2; // 0 desktop, 2 Start menu programs, 7 Startup, 9 SendTo
    std::string linkName;    // relative, may hold subfolders; ".lnk" is added when made
    std::string workingDirectory;
    Choice choice = Choice::always;

    // make and name: the raw values (name "Default" when the key is missing); tokens are replaced
    // by the given function, as both values get every token.
    template <typename ReplaceTokens>
    static ShortcutEntry parse(std::string_view make, std::string_view name,
                               const ReplaceTokens& replace) {
        return parseReplaced(make, name, replace(make), replace(name));
    }

private:
    static ShortcutEntry parseReplaced(std::string_view rawMake, std::string_view rawName,
                                       const std::string& make, const std::string& name);
};
