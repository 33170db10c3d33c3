// Cell texts of the QSO list and the order of a sort by column.
#include "qso/QsoListColumns.h"

#include "common/Cp932.h"
#include "tests/contest/qso/FakeQsoSource.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(QsoListColumns, CellTexts) {
    FakeQso q{"JA1AAA", "980123", "0930J", "   7", "RTTY", "100101", "QRP"};
    QsoItem item{42, makeRecord(q)};
    QsoRecord::setText(item.record.remarks2, cp932::lit("備考"));
    const std::vector<std::string> expected = {
        "  42", "JA1AAA", "QRP", "98/01/23", "09:30J", "599", "579", "   7",
        "RTTY", "100101", "", "", "", "", "", cp932::lit("備考")};
    for (int c = 0; c < QsoListColumns::kColumnCount; ++c) {
        EXPECT_EQ(QsoListColumns::cellText(item, c), expected[static_cast<std::size_t>(c)]) << c;
    }
    EXPECT_EQ(QsoListColumns::cellText(QsoItem{123456, {}}, 0), "123456");
    EXPECT_EQ(QsoListColumns::cellText(QsoItem{1, {}}, 3), "//");  // an empty date stays short
    EXPECT_EQ(QsoListColumns::cellText(item, 16), "");
    EXPECT_EQ(QsoListColumns::columns()[10].header, cp932::lit("G･L"));
    EXPECT_TRUE(QsoListColumns::columns()[7].rightAligned);
}

TEST(QsoListColumns, SortOrders) {
    std::vector<QsoItem> items;
    const char* labels[] = {"Etc", " 144", "   1.9", "  14", "5600", "   7"};
    int number = 10;
    for (const char* label : labels) {
        items.push_back({number, makeRecord({"JA1", "260613", "2100J", label, "CW"})});
        number = number == 10 ? 9 : number + 100;
    }
    auto order = [&](int column) {
        auto sorted = items;
        std::stable_sort(sorted.begin(), sorted.end(), [column](const QsoItem& a, const QsoItem& b) {
            return QsoListColumns::less(a, b, column);
        });
        std::vector<std::string> out;
        for (const auto& i : sorted) {
            out.push_back(QsoListColumns::cellText(i, column));
        }
        return out;
    };
    EXPECT_EQ(order(7), (std::vector<std::string>{"   1.9", "   7", "  14", " 144", "5600", "Etc"}));
    EXPECT_EQ(order(0), (std::vector<std::string>{"   9", "  10", " 109", " 209", " 309", " 409"}));

    // Bytes compare unsigned: a double-byte name sorts after every ASCII name.
    QsoItem ascii{1, makeRecord({"ZZ", "", "", "", ""})}, kanji{2, {}};
    QsoRecord::setText(kanji.record.name, cp932::lit("山田"));
    QsoRecord::setText(ascii.record.name, "zz");
    EXPECT_TRUE(QsoListColumns::less(ascii, kanji, 12));
    EXPECT_FALSE(QsoListColumns::less(kanji, ascii, 12));
}
