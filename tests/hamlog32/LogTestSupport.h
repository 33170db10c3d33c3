// Helpers of the hamlog32 tests: reading every record of a log text, and showing a record as one
// line.
#pragma once

#include "common/Cp932.h"
#include "common/QsoRecord.h"
#include "hamlog32/LogDatabase.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace log_test {

struct ReadRecord {
    QsoRecord record;
    int cutFields;
};

// Every record of text read as format, in numbering order, with its count of cut fields.
inline std::vector<ReadRecord> readAll(const std::string& text, LogFormat format) {
    std::vector<ReadRecord> out;
    std::unique_ptr<LogDatabase> database = LogDatabase::fromText(text, format);
    if (!database) {
        return out;
    }
    QsoRecord record;
    for (std::size_t n = 1; database->read(n, record); ++n) {
        out.push_back({record, database->cutFields()});
    }
    return out;
}

inline std::vector<QsoRecord> records(const std::string& text, LogFormat format) {
    std::vector<QsoRecord> out;
    for (const ReadRecord& r : readAll(text, format)) {
        out.push_back(r.record);
    }
    return out;
}

// The fifteen fields separated by '|' without the empty ones at the end, converted to UTF-8 so
// expectations stay readable. A field cut inside a double-byte character would show as U+FFFD.
inline std::string describe(const QsoRecord& r) {
    std::string out;
    auto add = [&out](std::string_view field) {
        if (!out.empty()) {
            out += '|';
        }
        out += cp932::toUtf8(field);
    };
    add(QsoRecord::text(r.call));
    add(QsoRecord::text(r.portable));
    add(QsoRecord::text(r.qsoDate));
    add(QsoRecord::text(r.qsoTime));
    add(QsoRecord::text(r.hisRst));
    add(QsoRecord::text(r.myRst));
    add(QsoRecord::text(r.freq));
    add(QsoRecord::text(r.mode));
    add(QsoRecord::text(r.code));
    add(QsoRecord::text(r.gl));
    add(QsoRecord::text(r.qsl));
    add(QsoRecord::text(r.name));
    add(QsoRecord::text(r.qth));
    add(QsoRecord::text(r.remarks1));
    add(QsoRecord::text(r.remarks2));
    out.erase(out.find_last_not_of('|') + 1);
    return out;
}

// Each record described, followed by " [cut N]" when N of its fields were cut or changed.
inline std::vector<std::string> describeAll(const std::string& text, LogFormat format) {
    std::vector<std::string> out;
    for (const ReadRecord& r : readAll(text, format)) {
        out.push_back(describe(r.record));
        if (r.cutFields != 0) {
            out.back() += " [cut " + std::to_string(r.cutFields) + "]";
        }
    }
    return out;
}

// A temporary folder removed with its content when the test ends.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "hamlog32-test-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace log_test
