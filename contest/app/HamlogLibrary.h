// The log database library HAMLOG32.DLL, loaded at run time: the start-up check and the binding.
#pragma once

#include "common/DynamicLibrary.h"
#include "common/HamlogInterface.h"
#include "common/QsoRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class HamlogLibrary {
public:
    static constexpr const char* kFileName = "HAMLOG32.DLL";
    static constexpr std::int32_t kMinimumVersion = 0x43000; // release 4.30.00

    // The start-up check: loads the library, asks its version and releases it again. Returns ""
    // when it passes, otherwise the message for the error dialog (CP932).
    static std::string check(const std::string& fileName = kFileName);
    // What the user is told to do when the check fails, whatever went wrong (CP932).
    static const std::string& advice();

    // Binds the library for the life of this object. Exports other than the ones called here are
    // never needed, so a library without them works as well; THW_cutFields is bound when present.
    explicit HamlogLibrary(const std::string& fileName = kFileName);
    ~HamlogLibrary();
    HamlogLibrary(const HamlogLibrary&) = delete;
    HamlogLibrary& operator=(const HamlogLibrary&) = delete;

    // True when the library was loaded and every entry point used here was found (the optional
    // count of cut fields aside).
    bool bound() const;

    // Opens the log database at path (CP932, as the master settings hold it). Returns false when it
    // cannot be opened.
    bool open(const std::string& path);
    // Reads record n (from 1) into record(); false at the end of the data.
    bool read(std::int32_t recordNumber);
    // Closes the database; harmless when none is open.
    void close();
    // The record that the last successful read left in the work area.
    const QsoRecord& record() const;
    // True when the library counts the fields it cut to fit a record (THW_cutFields).
    bool countsCutFields() const { return cutFields_ != nullptr; }
    // How many fields of record() were cut to fit it; 0 when the library does not count them.
    std::int32_t cutFields();

    // Band index 0..15 of a frequency text or band label (15 when unbound).
    std::int32_t freqPCheck(const char* freqText) const;
    // Kind of an address code: 4 or 6 a city, 5 or 7 a county, else neither (0 when unbound).
    std::int32_t chosonCheck(const char* code) const;

    // Bytes of the work area handed to the library; it keeps its own state after the record.
    static constexpr std::size_t kWorkAreaSize = 1024;

private:
    using VersionFn = HamlogVersionFunction*;
    using OpenFn = HamlogOpenFunction*;
    using ReadFn = HamlogReadFunction*;
    using CloseFn = HamlogCloseFunction*;
    using TextFn = HamlogCheckFunction*;
    using CutFieldsFn = HamlogCutFieldsFunction*;

    std::unique_ptr<DynamicLibrary> library_;
    OpenFn open_ = nullptr;
    ReadFn read_ = nullptr;
    CloseFn close_ = nullptr;
    TextFn freqPCheck_ = nullptr;
    TextFn chosonCheck_ = nullptr;
    CutFieldsFn cutFields_ = nullptr;     // optional
    std::vector<std::uint64_t> workArea_; // 8-byte aligned for the library's own state
    bool isOpen_ = false;
};
