// The log database behind the bound HAMLOG32.DLL.
#pragma once

#include "app/HamlogLibrary.h"
#include "qso/QsoSource.h"

class HamlogDatabase : public QsoSource {
public:
    explicit HamlogDatabase(HamlogLibrary& library) : library_(library) {}

    bool open(const std::string& path) override { return library_.open(path); }
    bool read(std::int32_t recordNumber) override { return library_.read(recordNumber); }
    void close() override { library_.close(); }
    const QsoRecord& record() const override { return library_.record(); }
    bool countsCutFields() const override { return library_.countsCutFields(); }
    int cutFields() const override { return library_.cutFields(); }
    int bandIndex(const char* freqText) const override { return library_.freqPCheck(freqText); }
    int addressKind(const char* code) const override { return library_.chosonCheck(code); }

private:
    HamlogLibrary& library_;
};
