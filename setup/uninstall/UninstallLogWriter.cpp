// The uninstall information at the end of an installation. The lists are numbered in memory and
// UNSETUP.INI is written once, laid out byte for byte as the profile writer lays out a new file
// written key by key: sections in the order first written, "key=value" lines, CR LF, no blank
// lines.
#include "uninstall/UninstallLogWriter.h"

#include "common/Cp932.h"
#include "services/FileRoutines.h"
#include "services/IniValues.h"
#include "services/MbcsText.h"
#include "services/SystemInfo.h"
#include "uninstall/NumberedIniList.h"

#include <optional>

namespace {

const std::string kUninstallKeys = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

void addSection(std::string& text, std::string_view name) {
    text.append("[").append(name).append("]\r\n");
}

void addKey(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append("=").append(value).append("\r\n");
}

// Numbers the entries as FindIniIndex would, one after the other into the same list. With
// keepShared, an entry whose number already holds a "/S" file gets "/S" too.
std::vector<std::string> numbered(const std::vector<std::string>& entries, bool keepShared) {
    NumberedIniList list;
    for (std::string entry : entries) {
        const int n = list.indexOf(entry);
        if (keepShared && MbcsPosText("/S", list.stored(n)) > 0 && MbcsPosText("/S", entry) == 0) {
            entry += MbcsPosText(",/", entry) > 0 ? "/S" : ",/S";
        }
        list.store(n, entry);
    }
    return list.values();
}

void addList(std::string& text, std::string_view section, const std::string& prefix,
             const std::vector<std::string>& values) {
    if (values.empty()) {
        return;
    }
    addSection(text, section);
    for (std::size_t i = 0; i < values.size(); ++i) {
        addKey(text, prefix + std::to_string(i + 1), values[i]);
    }
}

std::optional<std::uint64_t> lastWriteTime(Platform& platform, const std::string& path) {
    std::vector<Platform::FindData> found = platform.findFiles(path);
    return found.empty() ? std::nullopt : std::optional(found.front().lastWriteTime);
}

// The medium's SETUP.EXE becomes UNQUILL.EXE only when it is newer; a missing file is older than
// any existing one.
void copyUninstaller(SetupContext& context, UninstallLogWriter::Failures& failures) {
    const std::string source = context.values.sourceFolder + "SETUP.EXE";
    const std::string destination = context.values.windowsFolder + "UNQUILL.EXE";
    const auto sourceTime = lastWriteTime(context.platform, source);
    const auto destinationTime = lastWriteTime(context.platform, destination);
    if (!sourceTime || (destinationTime && *sourceTime <= *destinationTime)) {
        return;
    }
    if (std::uint32_t code = CopyFileOverwrite(context, source, destination); code != 0) {
        failures.log +=
            "<SetupFile> " + destination + "\r\n" + SystemErrorText(context, code) + "\r\n";
        ++failures.count;
    }
}

} // namespace

bool UninstallLogWriter::write(SetupContext& context, MainWindow& window,
                               const UninstallLists& lists, const Names& names,
                               const std::string& setupFolder, Failures& failures) {
    Platform& platform = context.platform;
    window.model["btnEvent"].enabled = false;
    window.model["btnEvent"].text = cp932::lit("セットアップ開始(&S)");
    window.showMessage(
        cp932::lit("アンセットアップ情報を更新しています．しばらくお待ちください．．．"));

    copyUninstaller(context, failures);

    const std::string quillet = context.values.windowsFolder + "QUILLET.INI";
    platform.flushPrivateProfile(quillet);
    if (!names.programId.empty()) {
        WriteIniValue(context, names.programId, "Folder", setupFolder, quillet);
    }

    const std::string log = setupFolder + "UNSETUP.INI";
    DeleteFileSilent(context, log);
    std::string text;
    addSection(text, "Information");
    addKey(text, "Message1", "Quillet UnSetup(UnInstall) Initialize File");
    addKey(text, "Message2", cp932::lit("！！！　警告　！！！"));
    addKey(text, "Message3",
           cp932::lit("このファイルをエディタなどで書き換えたり，削除しないでください．"));
    addKey(text, "Message4",
           cp932::lit("書き換えた場合，アンセットアップ動作の保証はできません．"));
    addSection(text, "Title");
    addKey(text, "UnSetup", names.uninstallTitle);
    addSection(text, "SetupFolder");
    addKey(text, "Folder", setupFolder);

    struct List {
        const char* message; // UTF-8
        const char* section;
        const char* prefix;
        const std::vector<std::string>& entries;
        bool keepShared;
    };
    const List pathLists[] = {
        {"アンセットアップ情報(削除フォルダ)を更新しています．しばらくお待ちください．．．",
         "DeleteFolder", "Folder", lists.folders, false},
        {"アンセットアップ情報(削除ファイル)を更新しています．しばらくお待ちください．．．",
         "DeleteFile", "File", lists.files, true},
        {"アンセットアップ情報(削除ショートカット)を更新しています．しばらくお待ちください．．．",
         "DeleteShortCut", "File", lists.shortcuts, false},
        {"アンセットアップ情報(削除レジストリ)を更新しています．しばらくお待ちください．．．",
         "DeleteRegistry", "Key", lists.registryKeys, false},
    };
    for (const List& list : pathLists) {
        window.showMessage(cp932::lit(list.message));
        addList(text, list.section, list.prefix, numbered(list.entries, list.keepShared));
    }

    window.showMessage(cp932::lit(
        "アンセットアップ情報(復元関連付け)を更新しています．しばらくお待ちください．．．"));
    bool relateSection = false;
    for (int k = 1; k <= UninstallLists::kRelateSlots; ++k) {
        const std::string& slot = lists.restoreRelate[static_cast<std::size_t>(k - 1)];
        if (!slot.empty()) {
            if (!relateSection) {
                addSection(text, "RestoreRelate");
                relateSection = true;
            }
            addKey(text, "Key" + std::to_string(k), slot);
        }
    }
    if (!names.uninstallOption.empty()) {
        addSection(text, "UnSetupOption");
        addKey(text, "CheckBox", names.uninstallOption);
    }

    const std::string entryKey = kUninstallKeys + names.uninstallKey;
    addSection(text, "UnSetupRegistryKey");
    addKey(text, "Key", entryKey);
    const std::string command = context.values.windowsFolder + "UNQUILL.EXE \"" + log + "\"";
    // The run ends at a refused key or value: the log then lacks the program ID, as it would
    // have when written key by key.
    const bool registered =
        platform.regCreateKey(RegistryRoot::LocalMachine, entryKey) == 0 &&
        platform.regOpenKey(RegistryRoot::LocalMachine, entryKey) == 0 &&
        platform.regSetValue(RegistryRoot::LocalMachine, entryKey, "DisplayName",
                             RegistryValue::string(names.displayName)) == 0 &&
        platform.regSetValue(RegistryRoot::LocalMachine, entryKey, "UninstallString",
                             RegistryValue::string(command)) == 0;
    if (registered) {
        addSection(text, "ProgramID");
        addKey(text, "ID", names.programId);
    }
    // A log that cannot be written is passed over like a failed ini write. The profile cache
    // must not keep the deleted log's keys for later reads.
    platform.writeFile(log, text);
    platform.flushPrivateProfile(log);
    return registered;
}
