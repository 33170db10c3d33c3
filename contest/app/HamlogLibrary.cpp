// Loading, checking and calling the log database library.
#include "app/HamlogLibrary.h"

#include "common/Cp932.h"

#include <algorithm>
#include <cstdio>

const std::string& HamlogLibrary::advice() {
    return cp932::lit("Turbo HAMLOG/WINをセットアップしたディレクトリからHAMLOG32.DLLを"
                      "KORVANEを入れたディレクトリにコピーして下さい");
}

std::string HamlogLibrary::check(const std::string& fileName) {
    auto library = DynamicLibrary::load(fileName);
    if (!library) {
        return cp932::lit("HAMLOG32.DLLを開けません。");
    }
    auto version = library->function<VersionFn>("GetThdllVersion");
    std::int32_t value = version ? version() : 0;
    if (value < kMinimumVersion) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value));
        return cp932::lit("HAMLOG32.DLLのバージョンが\n") + digits +
               cp932::lit("です。\nバージョン4.30以上をお使い下さい。");
    }
    return {};
}

HamlogLibrary::HamlogLibrary(const std::string& fileName)
    : library_(DynamicLibrary::load(fileName)), workArea_(kWorkAreaSize / sizeof(std::uint64_t)) {
    if (library_) {
        open_ = library_->function<OpenFn>("HamlogOpen");
        read_ = library_->function<ReadFn>("THW_read");
        close_ = library_->function<CloseFn>("HamlogClose");
        freqPCheck_ = library_->function<TextFn>("FreqPCheck");
        chosonCheck_ = library_->function<TextFn>("ChosonCheck");
        cutFields_ = library_->function<CutFieldsFn>("THW_cutFields");
    }
}

HamlogLibrary::~HamlogLibrary() {
    close();
}

bool HamlogLibrary::bound() const {
    return open_ && read_ && close_ && freqPCheck_ && chosonCheck_;
}

bool HamlogLibrary::open(const std::string& path) {
    close();
    if (!bound()) {
        return false;
    }
#ifdef _WIN32
    const std::string& hostPath = path;
#else
    // The settings hold CP932 text; file names on this platform are UTF-8.
    const std::string hostPath = cp932::toUtf8(path);
#endif
    std::fill(workArea_.begin(), workArea_.end(), 0);
    // Only a successful open starts the work area's life that HamlogClose ends: a failed one is
    // not closed.
    isOpen_ = open_(0, workArea_.data(), hostPath.c_str(), 0, 1) == 0;
    return isOpen_;
}

bool HamlogLibrary::read(std::int32_t recordNumber) {
    return isOpen_ && read_(workArea_.data(), recordNumber, 2) == 0;
}

void HamlogLibrary::close() {
    if (isOpen_) {
        close_(workArea_.data(), 1);
        isOpen_ = false;
    }
}

const QsoRecord& HamlogLibrary::record() const {
    return *reinterpret_cast<const QsoRecord*>(workArea_.data());
}

std::int32_t HamlogLibrary::cutFields() {
    return isOpen_ && cutFields_ ? cutFields_(workArea_.data()) : 0;
}

std::int32_t HamlogLibrary::freqPCheck(const char* freqText) const {
    return freqPCheck_ ? freqPCheck_(freqText) : 15;
}

std::int32_t HamlogLibrary::chosonCheck(const char* code) const {
    return chosonCheck_ ? chosonCheck_(code) : 0;
}
