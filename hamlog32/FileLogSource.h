// A log file read with pread, never mapped: a file rewritten while open cannot fault.
#pragma once

#include "hamlog32/LogSource.h"

#include <cstdint>
#include <memory>
#include <string>

class FileLogSource : public LogSource {
public:
    // The regular file at hostPath opened for reading, and its size then; null when it is missing,
    // not a regular file, or cannot be opened.
    static std::unique_ptr<FileLogSource> open(const std::string& hostPath, std::uint64_t& bytes);

    ~FileLogSource() override;
    FileLogSource(const FileLogSource&) = delete;
    FileLogSource& operator=(const FileLogSource&) = delete;

    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t count) override;

private:
    explicit FileLogSource(int fd) : fd_(fd) {}

    int fd_;
};
