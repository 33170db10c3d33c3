// The registry of the emulated machine in memory: keys without regard to ASCII case, typed values,
// and the REGEDIT4 text it is kept in.
#pragma once

#include "services/platform/RegistryRoot.h"
#include "services/platform/RegistryValue.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class RegistryStore {
public:
    class Key {
    public:
        explicit Key(std::string name) : name_(std::move(name)) {}

        const std::string& name() const { return name_; }
        // Values in the order they were first set; an empty name is the default value.
        const std::vector<std::pair<std::string, RegistryValue>>& values() const { return values_; }
        const RegistryValue* value(std::string_view name) const;
        void setValue(std::string_view name, RegistryValue value);
        bool deleteValue(std::string_view name);

        // Subkeys ordered by name without regard to case.
        const std::map<std::string, std::unique_ptr<Key>>& subkeys() const { return subkeys_; }
        Key* subkey(std::string_view name) const;
        Key& createSubkey(std::string_view name);
        bool deleteSubkey(std::string_view name);

    private:
        std::string name_;
        std::vector<std::pair<std::string, RegistryValue>> values_;
        std::map<std::string, std::unique_ptr<Key>> subkeys_;
    };

    RegistryStore();

    // The key at a path ("A\B", with or without leading and trailing "\"), or null.
    Key* find(RegistryRoot root, std::string_view path) const;
    // Creates every missing key of the path; null when a name is not allowed.
    Key* create(RegistryRoot root, std::string_view path);
    // Deletes the key with all its subkeys; false when it is missing or the path names the root.
    bool remove(RegistryRoot root, std::string_view path);

    // Names the REGEDIT4 text can hold: key names without NUL, CR or LF; value names without CR
    // or LF and not ending in half a double-byte character.
    static bool validKeyName(std::string_view name);
    static bool validValueName(std::string_view name);

    // Reads REGEDIT4 text. Lines that cannot be read are left out and their numbers (from 1)
    // listed in badLines; a text without the REGEDIT4 line lists line 1.
    struct Parsed;
    static Parsed parse(std::string_view text);

    // The whole registry as REGEDIT4 text: every key that is not a root, roots only when they
    // hold values.
    std::string serialize(std::string_view eol = "\r\n") const;

private:
    std::unique_ptr<Key> roots_[4];
};

struct RegistryStore::Parsed {
    RegistryStore store;
    std::vector<std::size_t> badLines;
};
