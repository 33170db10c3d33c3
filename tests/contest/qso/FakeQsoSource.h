// An in-memory log database with a band classifier by the leading number in MHz.
#pragma once

#include "common/Cp932.h"
#include "qso/QsoSource.h"

#include <cstdlib>
#include <string>
#include <vector>

// One record as the tests write it: call[/portable], YYMMDD, HHMMZ, MHz text, mode, address code.
struct FakeQso {
    std::string call, date, time, freq, mode, code = "1001", portable = "";
};

inline QsoRecord makeRecord(const FakeQso& q) {
    QsoRecord r{};
    QsoRecord::setText(r.call, q.call);
    QsoRecord::setText(r.portable, q.portable);
    QsoRecord::setText(r.qsoDate, q.date);
    QsoRecord::setText(r.qsoTime, q.time);
    QsoRecord::setText(r.hisRst, "599");
    QsoRecord::setText(r.myRst, "579");
    QsoRecord::setText(r.freq, q.freq);
    QsoRecord::setText(r.mode, q.mode);
    QsoRecord::setText(r.code, q.code);
    return r;
}

class FakeQsoSource : public QsoSource {
public:
    explicit FakeQsoSource(std::vector<QsoRecord> records = {}) : records_(std::move(records)) {}
    explicit FakeQsoSource(const std::vector<FakeQso>& qsos) {
        for (const auto& q : qsos) {
            records_.push_back(makeRecord(q));
        }
    }

    bool openFails = false;
    int opens = 0, closes = 0;
    // Fields cut in each record, by position; a source without them does not count cut fields.
    std::vector<int> cuts;

    bool open(const std::string&) override {
        ++opens;
        return !openFails;
    }
    bool read(std::int32_t n) override {
        if (n < 1 || static_cast<std::size_t>(n) > records_.size()) {
            return false;
        }
        current_ = records_[static_cast<std::size_t>(n - 1)];
        currentIndex_ = static_cast<std::size_t>(n - 1);
        return true;
    }
    void close() override { ++closes; }
    const QsoRecord& record() const override { return current_; }
    bool countsCutFields() const override { return !cuts.empty(); }
    int cutFields() const override { return cuts.at(currentIndex_); }

    int bandIndex(const char* text) const override {
        std::string t(cp932::trim(text));
        char* end = nullptr;
        double mhz = std::strtod(t.c_str(), &end);
        if (end == t.c_str()) {
            return 15;
        }
        static const double lower[] = {1.8, 3.5, 7, 10, 14, 18, 21, 24, 28, 50, 144, 430, 1200, 2400, 5600};
        static const double upper[] = {2, 4, 7.3, 10.15, 14.35, 18.168, 21.45, 24.99, 29.7, 54, 146, 440, 1300, 2450, 5850};
        for (int i = 0; i < 15; ++i) {
            if (mhz >= lower[i] && mhz <= upper[i]) {
                return i;
            }
        }
        return 15;
    }
    int addressKind(const char* code) const override {
        return static_cast<int>(std::string(code).size());
    }

private:
    std::vector<QsoRecord> records_;
    QsoRecord current_{};
    std::size_t currentIndex_ = 0;
};
