// Reading the setup script key by key; an empty value counts as a missing one and takes the
// default.
#include "install/SetupScript.h"

#include "common/Cp932.h"
#include "install/ScriptText.h"
#include "services/IniValues.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kDefaultSetupSpeed = 400;
constexpr int kRelateCount = 20;
constexpr int kMessageCount = 5;

class ScriptReader {
public:
    ScriptReader(SetupContext& context, const std::string& path) : context_(context), path_(path) {}

    std::string value(const std::string& section, const std::string& key,
                      const std::string& defaultValue = {}) const {
        std::string text = ReadIniValue(context_, section, key, defaultValue, path_);
        return text.empty() ? defaultValue : text;
    }

    std::string numbered(const std::string& section, const std::string& prefix, int n) const {
        return value(section, prefix + std::to_string(n));
    }

    // prefix1, prefix2, ... up to the first empty value.
    std::vector<std::string> series(const std::string& section, const std::string& prefix) const {
        std::vector<std::string> values;
        for (int n = 1;; ++n) {
            std::string text = numbered(section, prefix, n);
            if (text.empty()) {
                return values;
            }
            values.push_back(std::move(text));
        }
    }

private:
    SetupContext& context_;
    const std::string& path_;
};

} // namespace

SetupScript SetupScript::read(SetupContext& context, const std::string& scriptPath) {
    // Read key by key: the file is looked at once, not once per key.
    Platform::FilesHeld held(context.platform);
    const ScriptReader ini(context, scriptPath);
    SetupScript script;
    script.setupTitle = ini.value("Title", "Setup", "Quillet");
    script.uninstallTitle = ini.value("Title", "UnSetup", script.setupTitle);
    script.uninstallKey = ini.value("Title", "UnSetupKey", script.uninstallTitle);
    script.uninstallDisplay = ini.value("Title", "UnSetupDisplay", script.uninstallKey);

    std::string lines;
    for (int n = 1; n <= kMessageCount; ++n) {
        lines += ini.numbered("TopMessage", "Message", n) + "\r";
    }
    script.welcomeText = lines == std::string(kMessageCount, '\r')
                             ? cp932::lit("セットアップを行います．") + "\r"
                             : lines;

    script.readmeFile = ini.value("Readme", "File");
    script.readmeTitle = ini.value("Readme", "Title");
    script.defaultFolder = ini.value("DefaultFolder", "Folder", "(Prg)\\");
    script.programId = ini.value("ProgramID", "ID");

    std::optional<std::int32_t> speed =
        ParseScriptNumber(ini.value("Extend", "SetupSpeed", std::to_string(kDefaultSetupSpeed)));
    script.setupSpeedValid = speed.has_value();
    script.setupSpeed = std::max(1, speed.value_or(kDefaultSetupSpeed));
    script.choicesLocked = ini.value("Extend", "Enabled") == "False";
    script.uninstallOption = ini.value("Extend", "UnSetupOption");

    script.makeFolders = ini.series("MakeFolder", "Folder");
    script.copyFiles = ini.series("CopyFile", "File");
    for (std::string& make : ini.series("ShortCut", "Make")) {
        int n = static_cast<int>(script.shortcuts.size()) + 1;
        script.shortcuts.push_back(
            {std::move(make), ini.value("ShortCut", "Name" + std::to_string(n), "Default")});
    }
    for (std::string& value : ini.series("Registry", "Value")) {
        int n = static_cast<int>(script.registry.size()) + 1;
        script.registry.push_back({ini.numbered("Registry", "Key", n),
                                   ini.numbered("Registry", "Name", n), std::move(value)});
    }
    for (int n = 1; n <= kRelateCount; ++n) {
        std::string name = ini.numbered("Relate", "Name", n);
        std::string file = ini.numbered("Relate", "File", n);
        if (!name.empty() && !file.empty()) {
            script.relates.push_back({std::move(name), std::move(file)});
        }
    }
    script.deleteRegistry = ini.series("DeleteRegistry", "Key");
    script.executeFile = ini.value("ExecuteFile", "File");
    return script;
}
