// A log database as retrieval sees it: opened by path, read record by record, with the library's
// band and address-code classification.
#pragma once

#include "common/QsoRecord.h"
#include "exchange/LogClassifier.h"

#include <cstdint>
#include <string>

class QsoSource : public LogClassifier {
public:
    // path is CP932 text as the master settings hold it; false when it cannot be opened.
    virtual bool open(const std::string& path) = 0;
    // Reads record n (from 1); false at the end of the data or on a read failure.
    virtual bool read(std::int32_t recordNumber) = 0;
    virtual void close() = 0;
    // The record that the last successful read produced.
    virtual const QsoRecord& record() const = 0;
    // True when the source counts the fields it cut to fit a record; a source that does not is
    // asked nothing and its count is unknown.
    virtual bool countsCutFields() const { return false; }
    // How many fields of record() were cut to fit it.
    virtual int cutFields() const { return 0; }
};
