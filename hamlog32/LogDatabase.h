// One opened log: read through a bounded window, its readable QSOs numbered as they are reached.
#pragma once

#include "common/QsoRecord.h"
#include "hamlog32/LogFormatDetector.h"
#include "hamlog32/LogReader.h"
#include "hamlog32/LogSource.h"
#include "hamlog32/LogWindow.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class LogDatabase {
public:
    enum class OpenResult { kOpened, kCannotRead, kUnrecognised };

    // Larger files are refused; no single record may be longer either.
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 32;

    // The window the log is read through; a record longer than it widens it.
    static constexpr std::size_t kWindowBytes = std::size_t(1) << 20;

    // How much of the start of a file the format is recognised from.
    static constexpr std::size_t kDetectBytes = std::size_t(64) << 10;

    // Opens the log file at hostPath; the format is recognised from its first kDetectBytes (see
    // LogFormatDetector). The file is read only up to its first readable record or format mark: a
    // file with text but neither is kUnrecognised; an empty file opens with no records.
    static std::unique_ptr<LogDatabase> open(const std::string& hostPath, OpenResult& result,
                                             std::size_t windowBytes = kWindowBytes);

    // A text already in memory read as the given format; null when it is larger than
    // kMaxFileBytes. recognised() tells whether it looked like that format at all.
    static std::unique_ptr<LogDatabase> fromText(std::string text, LogFormat format,
                                                 std::size_t windowBytes = kWindowBytes);

    LogFormat format() const { return format_; }
    bool recognised() const { return recognised_; }

    // How many records are numbered so far: reading goes no further into the log than it must.
    std::size_t indexed() const { return offsets_.size(); }

    // Fills record with QSO number 'number' (1 = first readable record); false when there is none
    // (the record is then left alone). Reading 1, 2, 3, ... in order reads each record once,
    // straight from the window; a record read before is read again from where it stands.
    bool read(std::size_t number, QsoRecord& record);

    // How many fields of the record the last successful read filled were cut or changed (0 before
    // the first).
    int cutFields() const { return cutFields_; }

private:
    // head: the detectable start of the log (see open()), which tells where the first record
    // starts and how CSV text is encoded.
    LogDatabase(std::unique_ptr<LogSource> source, LogFormat format, std::string_view head,
                std::size_t windowBytes);

    // Frames the next record of the stream and consumes it, numbering it when it is readable (then
    // record is filled); false at the end of the log. framed, if given, is set to the record's
    // bytes, valid until the window is filled again.
    bool step(QsoRecord& record, LogReader::Frame& frame, std::string_view* framed = nullptr);
    // Steps up to the first readable record (kept as record 1) or format mark; sets recognised_
    // and sawText_.
    void probe();

    std::unique_ptr<LogSource> source_;
    LogFormat format_;
    std::unique_ptr<LogReader> reader_;
    LogWindow stream_;                  // always just after the last record framed
    std::unique_ptr<LogWindow> lookup_; // for records read again, made on first use
    std::size_t windowBytes_;
    // Where each numbered record's frame starts; a deque grows without copying what it holds. A
    // frame starts before the end of a file of at most kMaxFileBytes, so 32 bits hold it.
    std::deque<std::uint32_t> offsets_;
    QsoRecord first_{}; // record 1 when probe() read it
    int firstCutFields_ = 0;
    int cutFields_ = 0;
    bool firstKept_ = false;
    bool recognised_ = false;
    bool sawText_ = false;
};
