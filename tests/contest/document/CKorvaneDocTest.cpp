// Tests of the contest document: new, open and save, and what each keeps or replaces.
#include "document/CKorvaneDoc.h"

#include "common/Cp932.h"
#include "document/ContestFile.h"
#include "tests/common/TempFolder.h"
#include "tests/contest/document/ContestFileTable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A document with a file, settings of its own and a retrieved QSO.
void makeBusy(CKorvaneDoc& doc, const TempFolder& folder) {
    const std::string path = folder.file("busy.con");
    TempFolder::write(path, ContestFile::save(con_table::populated()));
    ASSERT_TRUE(doc.openDocument(path).ok);
    doc.qsoList.push_back(QsoItem{42, {}});
    doc.recordsRead = 9;
}

} // namespace

TEST(CKorvaneDocTest, NewDocumentResetsTheSettingsAndKeepsTheRetrievedQsos) {
    TempFolder folder;
    CKorvaneDoc doc;
    EXPECT_EQ(doc.title(), cp932::lit("無題"));
    EXPECT_EQ(doc.path(), "");
    EXPECT_EQ(doc.contest, ContestSettings{});

    makeBusy(doc, folder);
    doc.newDocument();
    EXPECT_EQ(doc.contest, ContestSettings{});
    EXPECT_EQ(doc.title(), cp932::lit("無題"));
    EXPECT_EQ(doc.path(), "");
    ASSERT_EQ(doc.qsoList.size(), 1u);
    EXPECT_EQ(doc.qsoList[0].recordNumber, 42);
    EXPECT_EQ(doc.recordsRead, 9);
}

TEST(CKorvaneDocTest, SaveAndOpenNameTheDocumentAfterItsFile) {
    TempFolder folder;
    const std::string path = folder.file("新春コンテスト.con");
    CKorvaneDoc doc;
    doc.contest = con_table::populated();
    const CKorvaneDoc::Result saved = doc.saveDocument(path);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(doc.path(), path);
    EXPECT_EQ(doc.title(), cp932::lit("新春コンテスト.con"));

    CKorvaneDoc other;
    other.qsoList.push_back(QsoItem{7, {}});
    const CKorvaneDoc::Result opened = other.openDocument(path);
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_TRUE(opened.message.empty());
    EXPECT_EQ(other.contest, con_table::populated());
    EXPECT_EQ(other.title(), cp932::lit("新春コンテスト.con"));
    EXPECT_EQ(other.qsoList.size(), 1u);
}

TEST(CKorvaneDocTest, TruncatedFileGivesANewUntitledDocument) {
    TempFolder folder;
    const std::string file = ContestFile::save(con_table::populated());
    const std::string path = folder.file("short.con");
    CKorvaneDoc doc;
    for (std::size_t size = 0; size < file.size(); ++size) {
        makeBusy(doc, folder);
        TempFolder::write(path, file.substr(0, size));
        const CKorvaneDoc::Result result = doc.openDocument(path);
        ASSERT_FALSE(result.ok) << size;
        ASSERT_EQ(result.message, cp932::lit("予期しないﾌｧｲﾙ形式です。"));
        ASSERT_EQ(doc.contest, ContestSettings{}) << size;
        ASSERT_EQ(doc.title(), cp932::lit("無題"));
        ASSERT_EQ(doc.path(), "");
        ASSERT_EQ(doc.qsoList.size(), 1u);
        doc.qsoList.clear();
    }
}

TEST(CKorvaneDocTest, FileThatCannotBeOpenedLeavesTheDocumentAsItWas) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "folder.con");
    for (const std::string name : {"missing.con", "folder.con"}) {
        SCOPED_TRACE(name);
        CKorvaneDoc doc;
        makeBusy(doc, folder);
        const std::string busyPath = doc.path();
        const CKorvaneDoc::Result result = doc.openDocument(folder.file(name));
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.empty());
        EXPECT_NE(result.message, ContestFile::unexpectedFormatMessage());
        EXPECT_EQ(doc.contest, con_table::populated());
        EXPECT_EQ(doc.path(), busyPath);
        EXPECT_EQ(doc.title(), "busy.con");
    }
}

TEST(CKorvaneDocTest, SaveReplacesTheFileAndAFailedSaveKeepsTheOldOne) {
    TempFolder folder;
    const std::string path = folder.file("entry.con");
    CKorvaneDoc doc;
    ASSERT_TRUE(doc.saveDocument(path).ok);
    doc.contest = con_table::populated();
    ASSERT_TRUE(doc.saveDocument(path).ok);
    EXPECT_EQ(TempFolder::read(path), ContestFile::save(con_table::populated()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    // Cases where writing fails: a missing folder, and a name whose temporary companion is too
    // long (which fails even for root); a read-only folder where permissions apply.
    const std::string longName = folder.file(std::string(250, 'n'));
    TempFolder::write(longName, "old");
    std::vector<std::string> failing = {folder.file("missing/entry.con"), longName};
    const std::filesystem::path locked = folder.path() / "locked";
    std::filesystem::create_directory(locked);
    TempFolder::write((locked / "entry.con").string(), "old");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    if (::geteuid() != 0)
        failing.push_back((locked / "entry.con").string());

    for (const std::string& target : failing) {
        SCOPED_TRACE(target);
        const CKorvaneDoc::Result result = doc.saveDocument(target);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.empty());
        EXPECT_EQ(doc.path(), path);
        EXPECT_EQ(doc.title(), "entry.con");
        if (std::filesystem::exists(target)) {
            EXPECT_EQ(TempFolder::read(target), "old");
        }
    }
}

TEST(CKorvaneDoc, LibraryBindingFailsCleanlyAndKeepsNothing) {
    CKorvaneDoc doc;
    EXPECT_EQ(doc.library(), nullptr);
    EXPECT_FALSE(doc.bindLibrary("/nonexistent/HAMLOG32.DLL"));
    EXPECT_EQ(doc.library(), nullptr);
}
