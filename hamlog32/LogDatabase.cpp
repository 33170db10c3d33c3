// Reading a log forward through one window, numbering records on the way, and reading one again.
#include "hamlog32/LogDatabase.h"

#include "common/Cp932.h"
#include "hamlog32/AdifLogReader.h"
#include "hamlog32/CsvLogReader.h"
#include "hamlog32/FileLogSource.h"
#include "hamlog32/TextLogSource.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Small: a record read again is usually short, and the window grows for one that is not.
constexpr std::size_t kLookupBytes = 4096;

// The part of the head of a log (its first kDetectBytes) that its format and text encoding are
// recognised from: when the log goes on after the head, a line cut by its end could look like
// something it is not, so the head ends after its last line break.
std::string_view detectable(std::string_view head, bool goesOn) {
    std::size_t newline = goesOn ? head.rfind('\n') : std::string_view::npos;
    return newline == std::string_view::npos ? head : head.substr(0, newline + 1);
}

std::uint64_t startAfterByteOrderMark(std::string_view head) {
    return head.substr(0, 3) == kByteOrderMark ? 3 : 0;
}

std::size_t maxWindowBytes() {
    return static_cast<std::size_t>(std::min<std::uint64_t>(LogDatabase::kMaxFileBytes, SIZE_MAX));
}

} // namespace

LogDatabase::LogDatabase(std::unique_ptr<LogSource> source, LogFormat format, std::string_view head,
                         std::size_t windowBytes)
    : source_(std::move(source)), format_(format), stream_(*source_, windowBytes, maxWindowBytes()),
      windowBytes_(windowBytes) {
    if (format == LogFormat::kAdif) {
        reader_ = std::make_unique<AdifLogReader>();
    } else {
        reader_ = std::make_unique<CsvLogReader>(LogFormatDetector::mayHoldUtf8(head));
    }
    stream_.seek(startAfterByteOrderMark(head));
    probe();
}

std::unique_ptr<LogDatabase> LogDatabase::fromText(std::string text, LogFormat format,
                                                   std::size_t windowBytes) {
    if (text.size() > kMaxFileBytes) {
        return nullptr;
    }
    std::string head(
        detectable(std::string_view(text).substr(0, kDetectBytes), text.size() > kDetectBytes));
    return std::unique_ptr<LogDatabase>(new LogDatabase(
        std::make_unique<TextLogSource>(std::move(text)), format, head, windowBytes));
}

std::unique_ptr<LogDatabase> LogDatabase::open(const std::string& hostPath, OpenResult& result,
                                               std::size_t windowBytes) {
    result = OpenResult::kCannotRead;
    std::uint64_t bytes = 0;
    std::unique_ptr<FileLogSource> source = FileLogSource::open(hostPath, bytes);
    if (!source || bytes > kMaxFileBytes) {
        return nullptr;
    }
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(bytes, kDetectBytes)), '\0');
    head.resize(source->readAt(0, head.data(), head.size()));
    const std::string_view known = detectable(head, head.size() < bytes);
    LogFormat format = LogFormatDetector::detect(known, hostPath);
    std::unique_ptr<LogDatabase> database(
        new LogDatabase(std::move(source), format, known, windowBytes));
    if (!database->recognised_ && database->sawText_) {
        result = OpenResult::kUnrecognised;
        return nullptr;
    }
    result = OpenResult::kOpened;
    return database;
}

bool LogDatabase::step(QsoRecord& record, LogReader::Frame& frame, std::string_view* framed) {
    while (true) {
        std::string_view text = stream_.data();
        if (!text.empty() && reader_->next(text, stream_.atEnd(), record, frame)) {
            if (frame.readable) {
                static_assert(kMaxFileBytes - 1 <= UINT32_MAX);
                offsets_.push_back(static_cast<std::uint32_t>(stream_.offset()));
            }
            // Always forward, so a reader that framed nothing cannot stall the loop.
            frame.length = std::clamp<std::size_t>(frame.length, 1, text.size());
            if (framed) {
                *framed = text.substr(0, frame.length);
            }
            stream_.consume(frame.length);
            return true;
        }
        if (stream_.atEnd()) {
            return false;
        }
        stream_.fill();
    }
}

void LogDatabase::probe() {
    LogReader::Frame frame;
    std::string_view framed;
    while (step(first_, frame, &framed)) {
        if (frame.readable) {
            firstKept_ = true;
            firstCutFields_ = frame.cutFields;
        }
        if (frame.marked) {
            recognised_ = true;
            return;
        }
        // Only a log that stays unrecognised is looked at to its end, and only then does this
        // matter.
        if (!sawText_) {
            sawText_ = !cp932::trim(framed).empty();
        }
    }
}

bool LogDatabase::read(std::size_t number, QsoRecord& record) {
    if (number < 1) {
        return false;
    }
    if (number == 1 && firstKept_) {
        record = first_;
        cutFields_ = firstCutFields_;
        return true;
    }
    LogReader::Frame frame;
    // Counted here rather than asked of the deque, whose size() is not free, on every step.
    std::size_t known = offsets_.size();
    if (number <= known) {
        if (!lookup_) {
            lookup_ = std::make_unique<LogWindow>(*source_, std::min(windowBytes_, kLookupBytes),
                                                  maxWindowBytes());
        }
        lookup_->seek(offsets_[number - 1]);
        while (true) {
            std::string_view text = lookup_->data();
            if (!text.empty() && reader_->next(text, lookup_->atEnd(), record, frame)) {
                // The file may have been changed since the record was numbered.
                if (frame.readable) {
                    cutFields_ = frame.cutFields;
                }
                return frame.readable;
            }
            if (lookup_->atEnd()) {
                return false;
            }
            lookup_->fill();
        }
    }
    // Records skipped on the way are read into a scratch record; only the one asked for is the
    // caller's.
    QsoRecord skipped;
    while (known < number) {
        QsoRecord& target = known + 1 == number ? record : skipped;
        if (!step(target, frame)) {
            return false;
        }
        known += frame.readable ? 1 : 0; // step numbered it
    }
    cutFields_ = frame.cutFields;
    return true;
}
