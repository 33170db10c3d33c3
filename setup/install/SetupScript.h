// The setup script as the install engine reads it: every section and key with its default, the
// numbered series, read from the working copy through the private-profile reader. Values that name
// paths are kept raw; the entry types and PathTokens take them apart when they are used.
#pragma once

#include "services/SetupContext.h"

#include <string>
#include <vector>

class SetupScript {
public:
    struct Shortcut {
        std::string make;
        std::string name; // "Default" when missing
    };
    struct Registry {
        std::string key, name, value;
    };
    struct Relate {
        std::string name, file; // both non-empty
    };

    // Reads every value of the script at scriptPath (a Windows path) now.
    static SetupScript read(SetupContext& context, const std::string& scriptPath);

    std::string setupTitle;       // Title Setup, default "Quillet"
    std::string uninstallTitle;   // Title UnSetup, default the setup title
    std::string uninstallKey;     // Title UnSetupKey, default the uninstall title
    std::string uninstallDisplay; // Title UnSetupDisplay, default the uninstall key
    std::string welcomeText;      // TopMessage 1 to 5, each followed by a CR, or the default text
    std::string readmeFile;       // Readme File, raw
    std::string readmeTitle;
    std::string defaultFolder; // DefaultFolder Folder, raw, default "(Prg)\"
    std::string programId;
    int setupSpeed = 400;        // Extend SetupSpeed; 0 or below is 1
    bool setupSpeedValid = true; // false when SetupSpeed is not a number (the default is used)
    bool choicesLocked = false;  // Extend Enabled is exactly "False"
    std::string uninstallOption; // Extend UnSetupOption, raw
    std::vector<std::string> makeFolders; // raw
    std::vector<std::string> copyFiles;   // raw
    std::vector<Shortcut> shortcuts;
    std::vector<Registry> registry; // the series ends at the first empty Value<n>
    std::vector<Relate> relates;    // entries 1 to 20, gaps allowed, empty File<n> dropped
    std::vector<std::string> deleteRegistry;
    std::string executeFile;
};
