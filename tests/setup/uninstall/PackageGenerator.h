// Random installation packages for round trips, one per seed: the setup script and the medium's
// files, and the unrelated state of the machine they are installed on (files, folders, keys,
// associations, a library another package counts).
#pragma once

#include "services/SharedDllCounts.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/SzddFixture.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

class PackageGenerator {
public:
    struct Package {
        std::string script;                                     // SETUP.INI (CP932, CR LF)
        std::vector<std::pair<std::string, std::string>> files; // medium file name, bytes
        std::string setupFolder;                                // with "\"
        std::map<std::string, std::string> installed; // files copied into it (relative), bytes
        bool setupExe = false;                        // SETUP.EXE on the medium
        std::array<bool, 4> boxes{}; // shortcut boxes ticked: desktop, Start menu, startup, send-to
        bool iniBox = false; // the uninstaller's "*.INIファイル" box ticked by the script
        std::vector<std::string> newShared;       // (Sys) libraries no other package counts
        std::map<std::string, int> countedShared; // (Sys) libraries another package counts too,
                                                  // with that count
    };

    explicit PackageGenerator(unsigned seed) : seed_(seed), random_(seed) {}

    // The unrelated state every case starts from, and the pools the packages draw on.
    static void prepareMachine(EmulatedMachine& m) {
        m.write("C:\\WINDOWS\\WIN.INI", "[windows]\r\nload=\r\n");
        m.write("C:\\WINDOWS\\SYSTEM32\\USER32.DLL", std::string(300, '\x90'));
        std::filesystem::permissions(m.host("C:\\WINDOWS\\SYSTEM32\\USER32.DLL"),
                                     std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        m.write("C:\\Program Files\\Other\\OTHER.EXE", "MZ other");
        m.platform.createDirectory("C:\\Program Files\\Other\\DATA");
        m.write(desktop() + "Other.lnk", "link");
        m.write(startMenu() + "Tools\\Other.lnk", "link");
        m.write("C:\\WINDOWS\\SYSTEM32\\OTHERLIB.DLL", "lib");
        setString(m, RegistryRoot::CurrentUser, "Software\\Other\\Settings", "Font",
                  J("ＭＳ 明朝"));
        setString(m, RegistryRoot::LocalMachine, "SOFTWARE\\Other\\App", "Path",
                  "C:\\Program Files\\Other");
        setString(m, RegistryRoot::LocalMachine, kUninstall + "Other", "DisplayName", "Other");
        ChangeSharedDllCount(m.context, "C:\\WINDOWS\\SYSTEM32\\OTHERLIB.DLL", true);
        for (const auto& [extension, type] : kExistingTypes) {
            setString(m, RegistryRoot::ClassesRoot, "." + extension, "", type);
            setString(m, RegistryRoot::ClassesRoot, type + "\\shell\\open\\command", "",
                      "NOTEPAD.EXE %1");
        }
        setString(m, RegistryRoot::ClassesRoot, ".txt", "Content Type", "text/plain");
    }

    // A package for this seed, its medium written into the host folder `medium`, and the
    // libraries it shares with another package put on the machine.
    Package make(EmulatedMachine& m, const std::string& medium) {
        Package p;
        const std::string n = std::to_string(seed_);
        const std::string name = pick({"Pkg" + n, J("表計算") + n, J("ﾃｽﾄ ") + n});
        p.setupFolder = "C:\\Program Files\\" + name + "\\";
        p.setupExe = chance(2);
        for (bool& box : p.boxes) {
            box = !chance(4);
        }
        if (!chance(5)) {
            add("Title", "Setup", name + " Setup");
        }
        if (chance(2)) {
            add("Title", "UnSetupKey", "Key" + n);
        }
        add("DefaultFolder", "Folder", "(Prg)\\" + name + "\\");
        if (chance(2)) {
            add("ProgramID", "ID", "PKG-" + n);
        }
        add("Extend", "SetupSpeed", "1");
        if (chance(3)) {
            const std::string option = pick({"0,0,0,0", "1,1,0,0", "1,0,0,0"});
            add("Extend", "UnSetupOption", option);
            p.iniBox = option[0] == '1';
        }

        // Folders: (App) itself now and then, then a tree below it.
        std::vector<std::string> folders = {""}; // relative to (App), with "\"
        if (chance(2)) {
            add("MakeFolder", "", "(App)");
        }
        for (int k = 0, count = static_cast<int>(random_() % 5); k < count; ++k) {
            const std::string parent = folders[random_() % folders.size()];
            const std::string folder =
                parent + pick({"DATA", "Sub", J("表")}) + std::to_string(k) + "\\";
            folders.push_back(folder);
            add("MakeFolder", "", "(App)" + folder);
        }

        // Files in those folders, plain, renamed, compressed; one in the Windows folder.
        std::vector<std::string> installed; // relative to (App)
        for (int k = 1, count = 1 + static_cast<int>(random_() % 7); k <= count; ++k) {
            const std::string folder = folders[random_() % folders.size()];
            std::string data = bytes();
            const std::string id = "F" + std::to_string(k);
            switch (random_() % 5) {
            case 0: {
                // Installed under the stored name, upper-cased: never a trail byte. mscompress
                // stores no last character, so its files keep the name without it.
                const std::string stem = pick({id, J("ソフト") + id});
                char last = 'T';
                const std::string szdd = compressed(data, last);
                addFile(p, "(App)\\" + folder, stem + ".TX_", szdd);
                installed.push_back(folder + stem + ".TX" + (last ? "T" : ""));
                break;
            }
            case 1: {
                char last = 'N';
                addFile(p, "(App)\\" + folder, id + ".BI_|OUT" + std::to_string(k) + ".BIN",
                        compressed(data, last));
                installed.push_back(folder + "OUT" + std::to_string(k) + ".BIN");
                break;
            }
            case 2:
                addFile(p, "(App)\\" + folder,
                        id + ".DAT|" + J("名前") + std::to_string(k) + ".TXT", data);
                installed.push_back(folder + J("名前") + std::to_string(k) + ".TXT");
                break;
            default: {
                // Asked about, or deleted without a question, at uninstall.
                const std::string file = pick({id + ".EXE", J("ソフト") + id + ".DAT"});
                addFile(p, "(App)\\" + folder, file + pick({"", ",/C", ",/F"}), data);
                installed.push_back(folder + file);
            }
            }
            p.installed[installed.back()] = data;
        }
        if (chance(4)) {
            addFile(p, "(Win)\\", "PKG" + n + ".INI", "[Pkg]\r\nOn=1\r\n");
        }
        if (chance(4)) {
            // A library of the system folder without a count, which the uninstaller asks about.
            addFile(p, "(Sys)\\", "PLAIN" + n + ".DLL", bytes());
        }

        // Shared libraries of the system folder, some already counted by another package.
        for (int k = 1, count = static_cast<int>(random_() % 3); k <= count; ++k) {
            const std::string file = "LIB" + n + "_" + std::to_string(k) + ".DLL";
            const std::string path = "C:\\WINDOWS\\SYSTEM32\\" + file;
            addFile(p, "(Sys)\\", file + ",/S", bytes());
            if (chance(2)) {
                m.write(path, "older " + file);
                const int users = 1 + static_cast<int>(random_() % 3);
                for (int c = 0; c < users; ++c) {
                    ChangeSharedDllCount(m.context, path, true);
                }
                p.countedShared[path] = GetSharedDllCount(m.context, path);
            } else {
                p.newShared.push_back(path);
            }
        }

        // Shortcuts to installed files: the Start menu itself, a group (new or shared), the
        // desktop; arguments and working folders now and then.
        for (int k = 1, count = static_cast<int>(random_() % 5); k <= count; ++k) {
            const std::string target = "(App)\\" + installed[random_() % installed.size()];
            const std::string key = std::to_string(k);
            const std::string link = pick({"Link" + key, J("リンク") + key});
            add("ShortCut", "Make" + key, chance(3) ? target + ",/open" : target);
            switch (random_() % 6) {
            case 0:
                break; // Default: the target's name in the Start menu
            case 1:
                add("ShortCut", "Name" + key, "(Dsk)" + link);
                break;
            case 2:
                add("ShortCut", "Name" + key,
                    pick({"Group" + n, J("表") + n, "Tools"}) + "\\" + link);
                break;
            case 3:
                add("ShortCut", "Name" + key, pick({"(Sup)", "(Sen)"}) + link);
                break;
            default:
                add("ShortCut", "Name" + key, "(Sta)" + name + "\\" + link + ",(App)");
            }
        }

        // Registry values under keys of the package's own, which DeleteRegistry covers; the
        // maker's key is shared when it existed before.
        for (const std::string root : {"", "(Local)"}) {
            if (!chance(3)) {
                const std::string maker = pick({"Maker" + n, "Other"});
                const std::string key = "Software\\" + maker + "\\" + name;
                const std::string sub = chance(2) ? key : key + "\\Sub";
                for (int k = 0, count = 1 + static_cast<int>(random_() % 3); k < count; ++k) {
                    registryValue(root + (root.empty() ? "" : "\\") + sub);
                }
                add("DeleteRegistry", "", root + (maker == "Other" ? key : "Software\\" + maker));
            }
        }

        // Associations over existing types and new extensions, numbered with gaps.
        std::set<std::string> extensions;
        for (int slot = 1, count = static_cast<int>(random_() % 3); count > 0 && slot <= 20;
             ++slot) {
            if (chance(2)) {
                continue;
            }
            std::string extension =
                chance(2) ? kExistingTypes[random_() % 3].first
                          : "z" + std::to_string(1000 + seed_ % 1000) + std::to_string(slot);
            if (!extensions.insert(extension).second) {
                continue;
            }
            const std::string key = std::to_string(slot);
            add("Relate", "Name" + key, chance(2) ? extension : extension + "," + J("文書"));
            add("Relate", "File" + key,
                "open,(App)\\" + installed[random_() % installed.size()] + ",%1,0");
            --count;
        }

        p.script = script();
        if (p.setupExe) {
            p.files.emplace_back("SETUP.EXE", "MZ setup " + n);
        }
        for (const auto& [file, data] : p.files) {
            TempFolder::write(medium + "/" + cp932::toUtf8(file), data);
        }
        TempFolder::write(medium + "/SETUP.INI", p.script);
        return p;
    }

    static std::string desktop() { return "C:\\WINDOWS\\" + J("ﾃﾞｽｸﾄｯﾌﾟ") + "\\"; }
    static std::string startMenu() { return "C:\\WINDOWS\\" + J("ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ") + "\\"; }

private:
    inline static const std::string kUninstall =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    inline static const std::pair<std::string, std::string> kExistingTypes[] = {
        {"txt", "txtfile"}, {"doc", "Word.Document"}, {"log", "txtfile"}};

    static void setString(EmulatedMachine& m, RegistryRoot root, const std::string& key,
                          const std::string& name, const std::string& text) {
        m.platform.regCreateKey(root, key);
        m.platform.regSetValue(root, key, name, RegistryValue::string(text));
    }

    bool chance(int oneIn) { return random_() % oneIn == 0; }

    std::string pick(std::initializer_list<std::string> choices) {
        return choices.begin()[random_() % choices.size()];
    }

    // A few bytes to a few KB, text-like or binary.
    std::string bytes() {
        std::string data(1 + random_() % (chance(3) ? 4096 : 64), '\0');
        const bool text = chance(2);
        for (char& c : data) {
            c = static_cast<char>(text ? 'a' + random_() % 8 : random_() % 256);
        }
        return data;
    }

    // SZDD data: now and then a file that mscompress made with back references (made once, as
    // the tool is slow to start), whose text then replaces `data` and which stores no last
    // character of the name (`last` becomes 0); else literal blocks of `data` ending the name
    // with `last`.
    std::string compressed(std::string& data, char& last) {
        static const std::string real = [] {
            TempFolder scratch;
            return haveMscompress() ? mscompress(scratch, repetitiveText()) : std::string();
        }();
        if (chance(4) && !real.empty()) {
            last = '\0';
            data = repetitiveText();
            return real;
        }
        return literalSzdd(data, last);
    }

    void addFile(Package& p, const std::string& destination, const std::string& entry,
                 const std::string& data) {
        add("CopyFile", "", destination + entry);
        const std::string source = entry.substr(0, entry.find_first_of("|,"));
        p.files.emplace_back(source, data);
    }

    void registryValue(const std::string& key) {
        const std::string k = std::to_string(++registryCount_);
        add("Registry", "Key" + k, key);
        add("Registry", "Name" + k, chance(4) ? "" : "Value" + k);
        add("Registry", "Value" + k,
            pick({"(Str)" + J("値") + k, "(Str)(App)(Pdd)", "(Exp)%WINDIR%\\" + k, "(Int)" + k,
                  "(Dwd)$1F", "(Int)12x", "(Bin)00", "plain " + k}));
    }

    // A value of a section; an empty key numbers it File1, Folder1, Key1 as the section wants.
    void add(const std::string& section, std::string key, const std::string& value) {
        auto& lines = sections_[section];
        if (key.empty()) {
            const std::string prefix = section == "MakeFolder" ? "Folder"
                                       : section == "CopyFile" ? "File"
                                                               : "Key";
            key = prefix + std::to_string(lines.size() + 1);
        }
        if (std::find(order_.begin(), order_.end(), section) == order_.end()) {
            order_.push_back(section);
        }
        lines.push_back(key + "=" + value);
    }

    std::string script() const {
        std::string text;
        for (const std::string& section : order_) {
            text += "[" + section + "]\r\n";
            for (const std::string& line : sections_.at(section)) {
                text += line + "\r\n";
            }
        }
        return text;
    }

    unsigned seed_;
    std::mt19937 random_;
    int registryCount_ = 0;
    std::vector<std::string> order_;
    std::map<std::string, std::vector<std::string>> sections_;
};
