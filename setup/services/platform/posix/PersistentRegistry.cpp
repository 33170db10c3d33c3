// Loading, damage handling and atomic saving of the registry file.
#include "services/platform/posix/PersistentRegistry.h"

#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/ErrorText.h"
#include "services/platform/Win32Codes.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PersistentRegistry::PersistentRegistry(std::string hostPath) : path_(std::move(hostPath)) {}

PersistentRegistry::Stamp PersistentRegistry::stampNow() const {
    struct stat st {};
    Stamp s;
    if (::stat(path_.c_str(), &st) == 0) {
        s.exists = true;
        s.device = st.st_dev;
        s.inode = st.st_ino;
        s.size = st.st_size;
        s.modified = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    }
    return s;
}

RegistryStore& PersistentRegistry::current() {
    if (!loaded_ || (!held_ && stampNow() != stamp_)) {
        load();
    }
    return store_;
}

void PersistentRegistry::warn(const std::string& text) {
    // A file that stays damaged is read again on every call; say so once.
    if (warnings_.empty() || warnings_.back() != text) {
        warnings_.push_back(text);
    }
}

void PersistentRegistry::load() {
    loaded_ = true;
    damagedInPlace_ = false;
    stamp_ = stampNow();
    store_ = RegistryStore();
    if (!stamp_.exists) {
        return;
    }
    std::string text;
    std::string readError;
    if (!atomic_file::read(path_, text, &readError)) {
        damagedInPlace_ = true;
        warn(cp932::lit("レジストリ ファイルを読み取れません: ") + cp932::fromUtf8(readError));
        return;
    }
    RegistryStore::Parsed parsed = RegistryStore::parse(text);
    store_ = std::move(parsed.store);
    if (parsed.badLines.empty()) {
        return;
    }
    std::string lines;
    for (std::size_t i = 0; i < parsed.badLines.size() && i < 10; ++i) {
        lines += (i ? ", " : "") + std::to_string(parsed.badLines[i]);
    }
    std::string aside;
    for (int n = 1; n < 1000 && aside.empty(); ++n) {
        std::string candidate = path_ + ".damaged-" + std::to_string(n);
        struct stat st {};
        if (::stat(candidate.c_str(), &st) != 0 && errno == ENOENT) {
            aside = candidate;
        }
    }
    if (aside.empty() || std::rename(path_.c_str(), aside.c_str()) != 0) {
        damagedInPlace_ = true;
        warn(cp932::lit("レジストリ ファイル ") + cp932::fromUtf8(path_) + cp932::lit(" の ") +
             lines +
             cp932::lit(" 行目が壊れています。ファイルを移せないため、変更は保存しません。"));
        return;
    }
    warn(cp932::lit("レジストリ ファイル ") + cp932::fromUtf8(path_) + cp932::lit(" の ") + lines +
         cp932::lit(" 行目が壊れていました。元のファイルを ") + cp932::fromUtf8(aside) +
         cp932::lit(" に移し、読み取れた内容で続けます。"));
    std::uint32_t error = 0;
    save(error);
}

void PersistentRegistry::hold(bool held) {
    held_ = held;
    if (held || !unforced_) {
        return;
    }
    // The file holds the last save that succeeded: that one is forced to disk.
    unforced_ = false;
    int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        warn(cp932::lit("レジストリ ファイルをディスクに書き込めません: ") +
             cp932::fromUtf8(path_));
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

bool PersistentRegistry::save(std::uint32_t& error) {
    if (damagedInPlace_) {
        error = win32_error::RegistryCannotWrite;
        loaded_ = false;
        return false;
    }
    errno = 0;
    const auto sync = held_ ? atomic_file::Sync::none : atomic_file::Sync::toDisk;
    if (!atomic_file::write(path_, store_.serialize(), nullptr, sync)) {
        error = errno ? error_text::win32Code(errno) : win32_error::RegistryCannotWrite;
        loaded_ = false;
        return false;
    }
    stamp_ = stampNow();
    unforced_ = unforced_ || held_;
    return true;
}
