// Copying the short texts of records and rows without a library call for each.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Copies text to out and returns the end. Texts of a record or a row are mostly a few bytes long,
// where a call to memcpy costs more than the copy: up to 64 bytes take fixed-size moves that may
// overlap each other but read and write nothing outside the text and its destination.
inline char* copyBytes(char* out, std::string_view text) {
    const char* from = text.data();
    const std::size_t n = text.size();
    if (n >= 8 && n <= 16) {
        std::uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(out, &head, 8);
        std::memcpy(out + n - 8, &tail, 8);
    } else if (n >= 4 && n < 8) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(out, &head, 4);
        std::memcpy(out + n - 4, &tail, 4);
    } else if (n > 16 && n <= 64) {
        // Eight at a time, the last eight overlapping what came before.
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            std::memcpy(out + i, from + i, 8);
        }
        std::memcpy(out + n - 8, from + n - 8, 8);
    } else if (n > 64) {
        std::memcpy(out, from, n);
    } else if (n != 0) {
        out[0] = from[0];
        out[n / 2] = from[n / 2];
        out[n - 1] = from[n - 1];
    }
    return out + n;
}
