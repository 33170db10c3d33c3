// The interface of one log file format: finding the readable records of a text, and reading one.
#pragma once

#include "QsoRecord.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class LogReader {
public:
    // Where one readable record stands in the text (byte offset and length).
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };

    virtual ~LogReader() = default;

    // Appends the span of every record of text that read() accepts, in file order. Returns true
    // when the text showed this format's structure (a readable record, or a format marker such as
    // an ADIF header end), so a text without records can still be told from one of another kind.
    virtual bool scan(std::string_view text, std::vector<Span>& spans) = 0;

    // Fills record from the text of one span; false when it holds no readable QSO. The whole record
    // is overwritten.
    virtual bool read(std::string_view recordText, QsoRecord& record) = 0;

protected:
    // QsoRecord::setText for any view, also one without storage (an absent field), which must not
    // reach memcpy as a null pointer.
    template <std::size_t N>
    static void store(char (&field)[N], std::string_view value) {
        QsoRecord::setText(field, value.data() ? value : std::string_view(""));
    }
};
