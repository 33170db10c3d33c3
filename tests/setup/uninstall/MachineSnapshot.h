// The state of an emulated machine as one sorted map, to compare before and after a run: every
// file and folder of drive C (bytes and execute bit), every registry key and value. The work
// folders of the temporary folder are left out; they go when the program closes.
#pragma once

#include "common/Cp932.h"
#include "services/platform/posix/RegistryStore.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>

class MachineSnapshot {
public:
    // Windows path (CP932), or registry key, or key + " : " + value name → what it holds.
    std::map<std::string, std::string> entries;

    static MachineSnapshot take(EmulatedMachine& m) {
        namespace fs = std::filesystem;
        MachineSnapshot s;
        const fs::path temporary = m.host("C:\\WINDOWS\\TEMP");
        const fs::path drive = m.host("C:\\");
        for (auto it = fs::recursive_directory_iterator(drive);
             it != fs::recursive_directory_iterator(); ++it) {
            const fs::path& path = it->path();
            if (path.parent_path() == temporary &&
                cp932::fromUtf8(path.filename().string()).starts_with("BSTMP")) {
                it.disable_recursion_pending();
                continue;
            }
            std::string what = "folder";
            if (!it->is_directory()) {
                const std::string bytes = TempFolder::read(path.string());
                const bool exec =
                    (it->status().permissions() & fs::perms::owner_exec) != fs::perms::none;
                what = "file " + std::to_string(bytes.size()) + " bytes, hash " +
                       std::to_string(std::hash<std::string>{}(bytes)) + (exec ? ", x" : "");
            }
            s.entries[m.platform.windowsPath(path.string())] = what;
        }
        const RegistryStore::Parsed parsed = RegistryStore::parse(m.platform.registryText());
        for (RegistryRoot root : {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser,
                                  RegistryRoot::LocalMachine, RegistryRoot::Users}) {
            s.addKey(std::string(registryRootName(root)), *parsed.store.find(root, ""));
        }
        return s;
    }

    // The entries that differ, one line each (UTF-8): "-" gone, "+" new, "~" changed; those for
    // which `allowed` is true are left out.
    std::string diff(const MachineSnapshot& after,
                     const std::function<bool(const std::string&)>& allowed = nullptr) const {
        std::string out;
        auto line = [&](char sign, const std::string& name, const std::string& what) {
            if (!allowed || !allowed(name)) {
                out += std::string(1, sign) + " " + cp932::toUtf8(name) + "  [" +
                       cp932::toUtf8(what) + "]\n";
            }
        };
        for (const auto& [name, what] : entries) {
            auto found = after.entries.find(name);
            if (found == after.entries.end()) {
                line('-', name, what);
            } else if (found->second != what) {
                line('~', name, what + " -> " + found->second);
            }
        }
        for (const auto& [name, what] : after.entries) {
            if (!entries.contains(name)) {
                line('+', name, what);
            }
        }
        return out;
    }

private:
    void addKey(const std::string& path, const RegistryStore::Key& key) {
        entries[path] = "key";
        for (const auto& [name, value] : key.values()) {
            std::string data = value.type == 4 ? std::to_string(*value.dwordValue()) : value.text();
            entries[path + " : " + (name.empty() ? "@" : name)] =
                "type " + std::to_string(value.type) + " " + data;
        }
        for (const auto& [name, subkey] : key.subkeys()) {
            addKey(path + "\\" + subkey->name(), *subkey);
        }
    }
};
