// A log text held in memory, read like a file (for tests and the fuzz targets).
#pragma once

#include "hamlog32/LogSource.h"

#include <string>

class TextLogSource : public LogSource {
public:
    explicit TextLogSource(std::string text) : text_(std::move(text)) {}

    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t count) override;

private:
    std::string text_;
};
