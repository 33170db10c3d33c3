// The sixteen columns of the QSO list: headers, alignment, widths, cell texts and sort order.
#pragma once

#include "document/QsoList.h"

#include <array>
#include <string>
#include <string_view>

class QsoListColumns {
public:
    static constexpr int kColumnCount = 16;

    struct Column {
        std::string_view header; // CP932
        bool rightAligned;
        int width; // pixels
    };
    static const std::array<Column, kColumnCount>& columns();

    // The text a cell shows for one QSO (CP932); empty for a column outside 0..15.
    static std::string cellText(const QsoItem& item, int column);

    // Ascending order of a column: record numbers numerically, dates by dateKey, every other column
    // by its raw record field; texts compare as unsigned bytes.
    static bool less(const QsoItem& a, const QsoItem& b, int column);

    // The order key of a record date (YYMMDD): the century's two digits in front, the two-digit
    // year read by TwoDigitYear so that 1999 comes before 2000; a text that does not start with two
    // digits as it is.
    static std::string dateKey(std::string_view date);

    // The field of the packed QSO list behind a column of 1..15.
    static QsoRecord::Field listField(int column) {
        return static_cast<QsoRecord::Field>(column - 1);
    }

    // The raw record field behind a column (column 0 has none and gives "").
    static std::string_view field(const QsoRecord& record, int column);
};
