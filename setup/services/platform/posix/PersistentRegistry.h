// The emulated registry kept in one REGEDIT4 file: read when first needed and whenever another
// process has replaced the file, written atomically after every change.
#pragma once

#include "services/platform/posix/RegistryStore.h"

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

class PersistentRegistry {
public:
    explicit PersistentRegistry(std::string hostPath);

    // The registry as the file holds it now. A file with lines that cannot be read is moved aside
    // (to <file>.damaged-N), what could be read is kept and written back, and a warning is added.
    RegistryStore& current();
    // While held, nobody else writes the file: current() need not look at it again, and saves are
    // not forced to disk one by one; the last of them is when the hold ends.
    void hold(bool held);

    // Replaces the file with the registry in memory. False (with the Win32 code) when the file
    // cannot be written; the next current() then reads the file again, undoing the change.
    bool save(std::uint32_t& error);

    const std::string& path() const { return path_; }

    // Problems met while reading the file, as texts for the user (CP932).
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modified = 0;
        bool operator==(const Stamp&) const = default;
    };

    Stamp stampNow() const;
    void load();
    void warn(const std::string& text);

    std::string path_;
    RegistryStore store_;
    bool loaded_ = false;
    bool held_ = false;
    bool unforced_ = false;       // saved while held, not yet forced to disk
    bool damagedInPlace_ = false; // a damaged file that could not be moved aside is never written
    Stamp stamp_;
    std::vector<std::string> warnings_;
};
