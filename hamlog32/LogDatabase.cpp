// Loading a log file once, indexing its readable records, and reading a record on demand.
#include "LogDatabase.h"

#include "AdifLogReader.h"
#include "AtomicFile.h"
#include "Cp932.h"
#include "CsvLogReader.h"

#include <filesystem>
#include <system_error>

LogDatabase::LogDatabase(std::string text, LogFormat format)
    : text_(std::move(text)), format_(format) {
    if (format == LogFormat::kAdif) {
        reader_ = std::make_unique<AdifLogReader>();
    } else {
        reader_ = std::make_unique<CsvLogReader>();
    }
    recognised_ = reader_->scan(text_, spans_);
    spans_.shrink_to_fit();
}

std::unique_ptr<LogDatabase> LogDatabase::fromText(std::string text, LogFormat format) {
    if (text.size() > kMaxFileBytes) {
        return nullptr;
    }
    return std::unique_ptr<LogDatabase>(new LogDatabase(std::move(text), format));
}

std::unique_ptr<LogDatabase> LogDatabase::open(const std::string& hostPath, OpenResult& result) {
    result = OpenResult::kCannotRead;
    std::error_code error;
    std::filesystem::path path(hostPath);
    if (hostPath.empty() || !std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    std::uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error || bytes > kMaxFileBytes) {
        return nullptr;
    }
    std::string text;
    if (!atomic_file::read(hostPath, text)) {
        return nullptr;
    }
    LogFormat format = LogFormatDetector::detect(text, hostPath);
    std::unique_ptr<LogDatabase> database = fromText(std::move(text), format);
    if (!database) {
        return nullptr;
    }
    std::string_view content = database->text_;
    if (content.substr(0, 3) == "\xEF\xBB\xBF") {
        content.remove_prefix(3);
    }
    if (!database->recognised() && !cp932::trim(content).empty()) {
        result = OpenResult::kUnrecognised;
        return nullptr;
    }
    result = OpenResult::kOpened;
    return database;
}

bool LogDatabase::read(std::size_t number, QsoRecord& record) {
    if (number < 1 || number > spans_.size()) {
        return false;
    }
    const LogReader::Span& span = spans_[number - 1];
    return reader_->read(std::string_view(text_).substr(span.offset, span.length), record);
}
