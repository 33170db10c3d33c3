// The packed QSO list: what goes in comes out, field for field.
#include "document/QsoList.h"

#include "qso/QsoListColumns.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(QsoList, ItemsComeBackFieldForFieldAndColumnsReadThePackedFields) {
    QsoItem full{123456, {}};
    // Fields filled to their width carry no NUL; they must come back whole and not run on.
    std::memset(&full.record, 'W', sizeof full.record);
    QsoItem sparse{7, {}};
    QsoRecord::setText(sparse.record.call, "JA1ABC");
    QsoRecord::setText(sparse.record.freq, "   7");
    QsoRecord::setText(sparse.record.remarks2, "\x93\xfa\x96\x7b"); // two double-byte characters
    QsoItem empty{-1, {}};

    QsoList list;
    for (const QsoItem& item : {full, sparse, empty}) {
        list.push_back(item);
    }
    ASSERT_EQ(list.size(), 3u);
    const QsoItem items[] = {full, sparse, empty};
    for (std::size_t i = 0; i < 3; ++i) {
        const QsoItem back = list[i];
        EXPECT_EQ(back.recordNumber, items[i].recordNumber);
        EXPECT_EQ(list.recordNumber(i), items[i].recordNumber);
        EXPECT_EQ(std::memcmp(&back.record, &items[i].record, sizeof back.record), 0) << i;
        for (int c = 1; c < QsoListColumns::kColumnCount; ++c) {
            EXPECT_EQ(list.field(i, QsoListColumns::listField(c)),
                      QsoListColumns::field(items[i].record, c))
                << "item " << i << " column " << c;
        }
    }
    int count = 0;
    for (const QsoItem& item : list) {
        EXPECT_EQ(item.recordNumber, items[count++].recordNumber);
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(list.back().recordNumber, -1);
}

