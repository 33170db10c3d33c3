// The list's rows: when a refill rebuilds them, and sorting without touching the QSO list.
#include "qso/QsoListRows.h"

#include "qso/QsoListColumns.h"
#include "qso/QsoRetrieval.h"
#include "tests/contest/qso/FakeQsoSource.h"

#include <gtest/gtest.h>

namespace {

int retrieve(CKorvaneDoc& doc, FakeQsoSource& db) {
    doc.master.thDir = "log";
    return QsoRetrieval::retrieve(doc, db, QsoRetrieval::bandMask(doc.contest),
                                  QsoRetrieval::modeMask(doc.contest));
}

std::vector<std::string> column(const QsoListRows& rows, const CKorvaneDoc& doc, int c) {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out.push_back(QsoListColumns::cellText(doc.qsoList[rows.itemAt(r)], c));
    }
    return out;
}

} // namespace

TEST(QsoListRows, RefillRules) {
    CKorvaneDoc doc;
    QsoListRows rows;
    // Before any search: nothing to show, no count posted.
    EXPECT_EQ(rows.refill(doc), QsoListRows::Refill::unchanged);
    EXPECT_EQ(rows.size(), 0u);

    FakeQsoSource db(std::vector<FakeQso>{{"JA1AAA", "260613", "2100J", "7.025", "CW"},
                                          {"JA2BBB", "260613", "2101J", "14.025", "CW"}});
    ASSERT_EQ(retrieve(doc, db), 0);
    EXPECT_EQ(rows.refill(doc), QsoListRows::Refill::rebuilt);
    EXPECT_EQ(rows.size(), 2u);

    // New keeps the QSO list, and the refill shows the same rows again.
    doc.newDocument();
    EXPECT_EQ(rows.refill(doc), QsoListRows::Refill::rebuilt);
    EXPECT_EQ(column(rows, doc, 1), (std::vector<std::string>{"JA1AAA", "JA2BBB"}));

    // A search that reads records but keeps none: an empty list whose count is posted.
    doc.contest.startYear = 2027;
    ASSERT_EQ(retrieve(doc, db), 0);
    ASSERT_EQ(doc.recordsRead, 2);
    EXPECT_EQ(rows.refill(doc), QsoListRows::Refill::rebuilt);
    EXPECT_EQ(rows.size(), 0u);

    // A database without records empties the QSO list with recordsRead 0: the rows go too, once.
    doc.contest.startYear = 0;
    ASSERT_EQ(retrieve(doc, db), 0);
    ASSERT_EQ(rows.refill(doc), QsoListRows::Refill::rebuilt);
    FakeQsoSource empty;
    ASSERT_EQ(retrieve(doc, empty), 0);
    ASSERT_EQ(doc.recordsRead, 0);
    EXPECT_EQ(rows.refill(doc), QsoListRows::Refill::rebuilt);
    EXPECT_EQ(rows.size(), 0u);
    EXPECT_EQ(rows.refill(doc), QsoListRows::Refill::unchanged);
}

TEST(QsoListRows, SortKeepsTheQsoListInRetrievalOrder) {
    CKorvaneDoc doc;
    FakeQsoSource db(std::vector<FakeQso>{
        {"JA1AAA", "260613", "2100J", "430.1", "FM"},
        {"JA2BBB", "260613", "2101J", "1.91", "CW"},
        {"JA3CCC", "260613", "2102J", "77.7", "CW"}, // no band: "Etc"
        {"JA4DDD", "260613", "2103J", "14.025", "CW"},
        {"JA5EEE", "260613", "2104J", "144.2", "FM"},
        {"JA6FFF", "260613", "2105J", "7.01", "CW"},
    });
    ASSERT_EQ(retrieve(doc, db), 0);
    QsoListRows rows;
    rows.refill(doc);

    rows.sort(doc.qsoList, 7);
    EXPECT_EQ(column(rows, doc, 7),
              (std::vector<std::string>{"   1.9", "   7", "  14", " 144", " 430", "Etc"}));
    // Clicking the same header again keeps the ascending order.
    rows.sort(doc.qsoList, 7);
    EXPECT_EQ(column(rows, doc, 1).front(), "JA2BBB");
    EXPECT_EQ(column(rows, doc, 1).back(), "JA3CCC");

    std::vector<std::string> retrievalOrder;
    for (const auto& item : doc.qsoList) {
        retrievalOrder.emplace_back(QsoRecord::text(item.record.call));
    }
    EXPECT_EQ(retrievalOrder, (std::vector<std::string>{"JA1AAA", "JA2BBB", "JA3CCC", "JA4DDD",
                                                        "JA5EEE", "JA6FFF"}));

    // Equal keys keep their previous screen order (stable): the modes sort CW before FM.
    rows.sort(doc.qsoList, 8);
    EXPECT_EQ(column(rows, doc, 1), (std::vector<std::string>{"JA2BBB", "JA6FFF", "JA4DDD",
                                                              "JA3CCC", "JA5EEE", "JA1AAA"}));
    rows.sort(doc.qsoList, 0);
    EXPECT_EQ(column(rows, doc, 1), retrievalOrder);
    // A column outside the list changes nothing.
    rows.sort(doc.qsoList, 16);
    rows.sort(doc.qsoList, -1);
    EXPECT_EQ(column(rows, doc, 1), retrievalOrder);
}

TEST(QsoListRows, DatesSortWithTheirCentury) {
    CKorvaneDoc doc;
    std::vector<FakeQso> qsos;
    for (const char* date : {"000101", "991231", "790101", "800101", "26061"}) {
        qsos.push_back({"JA1AAA", date, "2100J", "7.025", "CW"});
    }
    doc.contest.excludeSameBandDupes = 0;
    FakeQsoSource db(qsos);
    ASSERT_EQ(retrieve(doc, db), 0);
    QsoListRows rows;
    rows.refill(doc);
    rows.sort(doc.qsoList, 3);
    // 80-99 are 1980-1999, 00-79 are 2000-2079; a short date sorts by its text after its century.
    EXPECT_EQ(column(rows, doc, 3), (std::vector<std::string>{"80/01/01", "99/12/31", "00/01/01",
                                                              "26/06/1", "79/01/01"}));
    EXPECT_TRUE(QsoListColumns::less(doc.qsoList[1], doc.qsoList[0], 3)); // 1999 before 2000
}
