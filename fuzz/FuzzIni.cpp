// Fuzz target: ini files of any content are read (key by key and as a snapshot, which must agree),
// edited and read again without harm.
#include "common/AtomicFile.h"
#include "common/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/fuzz-ini-" + std::to_string(::getpid()) + ".ini";
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!atomic_file::write(path, bytes)) {
        return 0;
    }
    IniFile ini(path);
    const IniFile::Snapshot snapshot = ini.snapshot();
    // The snapshot finds exactly what reading key by key finds.
    auto sameAsRead = [&](const std::string& section, const std::string& key) {
        auto found = snapshot.find(section, key);
        if (found.has_value() != ini.hasKey(section, key) ||
            (found && *found != ini.readString(section, key, "", SIZE_MAX))) {
            std::abort();
        }
    };
    for (const auto& section : ini.sections()) {
        for (const auto& key : ini.keys(section)) {
            ini.readString(section, key, "", 256);
            ini.readInt(section, key, 0);
            sameAsRead(section, key);
        }
    }
    // Take a section and key name from the input itself so edits hit existing lines.
    std::string name(bytes.substr(0, std::min<std::size_t>(size, 8)));
    sameAsRead(name, name);
    ini.writeString(name, name, "value");
    bool plain =
        !name.empty() &&
        name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") ==
            std::string::npos;
    if (plain && ini.readString(name, name, "") != "value") {
        std::abort(); // a plain name that was just written must read back
    }
    ini.deleteSection(name);
    ini.sections();
    return 0;
}
