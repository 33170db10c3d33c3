// One opened log file: its text in memory and where its readable QSO records stand.
#pragma once

#include "LogFormatDetector.h"
#include "LogReader.h"
#include "QsoRecord.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class LogDatabase {
public:
    enum class OpenResult { kOpened, kCannotRead, kUnrecognised };

    // Larger files are refused rather than read (a million QSOs take a few hundred megabytes).
    static constexpr std::size_t kMaxFileBytes = std::size_t(1) << 30;

    // Reads and indexes the log file at hostPath; the format is recognised from its content (see
    // LogFormatDetector). A file with text but no readable record and no mark of its format is
    // kUnrecognised; an empty file opens with no records.
    static std::unique_ptr<LogDatabase> open(const std::string& hostPath, OpenResult& result);

    // Indexes a text already in memory as the given format; null when it is larger than
    // kMaxFileBytes. recognised() tells whether it looked like that format at all.
    static std::unique_ptr<LogDatabase> fromText(std::string text, LogFormat format);

    LogFormat format() const { return format_; }
    std::size_t size() const { return spans_.size(); }
    bool recognised() const { return recognised_; }

    // Fills record with QSO number 'number' (1 = first readable record); false when there is none.
    bool read(std::size_t number, QsoRecord& record);

private:
    LogDatabase(std::string text, LogFormat format);

    std::string text_;
    LogFormat format_;
    std::unique_ptr<LogReader> reader_;
    std::vector<LogReader::Span> spans_;
    bool recognised_ = false;
};
