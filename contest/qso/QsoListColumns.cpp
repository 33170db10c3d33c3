// Cell texts and comparisons of the QSO list columns.
#include "qso/QsoListColumns.h"

#include "common/Cp932.h"
#include "common/TwoDigitYear.h"

#include <algorithm>
#include <cstdio>

const std::array<QsoListColumns::Column, QsoListColumns::kColumnCount>& QsoListColumns::columns() {
    static const std::array<Column, kColumnCount> table{{
        {"No", true, 64},
        {"Call", false, 112},
        {"/p", false, 48},
        {"Date", false, 128},
        {"Time", false, 96},
        {"His", false, 48},
        {"My", false, 48},
        {"Freq", true, 112},
        {"Mode", false, 48},
        {"Code", false, 96},
        {cp932::lit("G･L"), false, 96},
        {"QSL", false, 48},
        {"Name", false, 192},
        {"QTH", false, 448},
        {"Remarks1", false, 864},
        {"Remarks2", false, 864},
    }};
    return table;
}

std::string_view QsoListColumns::field(const QsoRecord& r, int column) {
    switch (column) {
    case 1: return QsoRecord::text(r.call);
    case 2: return QsoRecord::text(r.portable);
    case 3: return QsoRecord::text(r.qsoDate);
    case 4: return QsoRecord::text(r.qsoTime);
    case 5: return QsoRecord::text(r.hisRst);
    case 6: return QsoRecord::text(r.myRst);
    case 7: return QsoRecord::text(r.freq);
    case 8: return QsoRecord::text(r.mode);
    case 9: return QsoRecord::text(r.code);
    case 10: return QsoRecord::text(r.gl);
    case 11: return QsoRecord::text(r.qsl);
    case 12: return QsoRecord::text(r.name);
    case 13: return QsoRecord::text(r.qth);
    case 14: return QsoRecord::text(r.remarks1);
    case 15: return QsoRecord::text(r.remarks2);
    default: return {};
    }
}

namespace {
// The first n bytes, and the rest, of a text (either may be empty when the text is short).
std::string_view head(std::string_view s, std::size_t n) {
    return s.substr(0, std::min(n, s.size()));
}
std::string_view tail(std::string_view s, std::size_t n) {
    return s.substr(std::min(n, s.size()));
}
} // namespace

std::string QsoListColumns::cellText(const QsoItem& item, int column) {
    if (column == 0) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%4d", item.recordNumber);
        return buffer;
    }
    std::string_view text = field(item.record, column);
    if (column == 3) {
        // YYMMDD as YY/MM/DD
        return std::string(head(text, 2)) + "/" + std::string(head(tail(text, 2), 2)) + "/" +
               std::string(tail(text, 4));
    }
    if (column == 4) {
        // HHMMJ as HH:MMJ, the zone letter kept
        return std::string(head(text, 2)) + ":" + std::string(tail(text, 2));
    }
    return std::string(text);
}

bool QsoListColumns::less(const QsoItem& a, const QsoItem& b, int column) {
    if (column == 0) {
        return a.recordNumber < b.recordNumber;
    }
    if (column == 3) {
        return dateKey(field(a.record, column)) < dateKey(field(b.record, column));
    }
    // string_view compares its chars as unsigned bytes.
    return field(a.record, column) < field(b.record, column);
}

std::string QsoListColumns::dateKey(std::string_view date) {
    const int year = TwoDigitYear::fullYear(date);
    if (year < 0) {
        return std::string(date);
    }
    std::string key = std::to_string(year / 100);
    key += date;
    return key;
}
