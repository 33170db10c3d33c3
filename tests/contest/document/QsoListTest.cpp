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
    std::memset(full.logFreq, 'F', sizeof full.logFreq);
    QsoItem sparse{7, {}};
    QsoRecord::setText(sparse.record.call, "JA1ABC");
    QsoRecord::setText(sparse.record.freq, "   7");
    QsoRecord::setText(sparse.record.remarks2, "\x93\xfa\x96\x7b"); // two double-byte characters
    QsoRecord::setText(sparse.logFreq, "7.025");
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
        EXPECT_EQ(QsoRecord::text(back.logFreq), QsoRecord::text(items[i].logFreq)) << i;
        EXPECT_EQ(list.logFreq(i), QsoRecord::text(items[i].logFreq)) << i;
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

    EXPECT_EQ(list.band(0), -1);
    EXPECT_EQ(list.band(1), 2);

    // Retrieval pushes the record with its band; the log's frequency stays beside the label.
    QsoRecord record = sparse.record;
    QsoRecord::setText(record.freq, "14.025");
    list.push_back(9, record, 4);
    list.push_back(10, record, -1);
    EXPECT_EQ(list.field(3, QsoRecord::kFreq), "  14");
    EXPECT_EQ(QsoRecord::text(list[3].record.freq), "  14");
    EXPECT_EQ(list.logFreq(3), "14.025");
    EXPECT_EQ(list.band(3), 4);
    EXPECT_EQ(list.field(4, QsoRecord::kFreq), "14.025");
    EXPECT_EQ(QsoRecord::text(list[4].logFreq), "14.025");
    EXPECT_EQ(list.band(4), -1);
    EXPECT_EQ(list.recordNumber(4), 10);
}
