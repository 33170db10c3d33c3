// The recent-file list: order, limit, duplicates, and its own section of the ini file.
#include "frame/RecentFileList.h"

#include "common/Cp932.h"
#include "common/IniFile.h"
#include "tests/common/TempFolder.h"

#include <gtest/gtest.h>

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostFour) {
    RecentFileList list;
    for (const char* p : {"/a/1.con", "/a/2.con", "/a/3.con", "/a/4.con", "/a/5.con"}) {
        list.add(p);
    }
    EXPECT_EQ(list.entries(), (Paths{"/a/5.con", "/a/4.con", "/a/3.con", "/a/2.con"}));

    list.add("/a/./3.con"); // the same file spelt differently moves up, not in twice
    EXPECT_EQ(list.entries(), (Paths{"/a/./3.con", "/a/5.con", "/a/4.con", "/a/2.con"}));

    list.remove("/a/4.con");
    list.remove("/a/missing.con");
    list.add("");
    EXPECT_EQ(list.entries(), (Paths{"/a/./3.con", "/a/5.con", "/a/2.con"}));
}

TEST(RecentFileList, MenuTexts) {
    RecentFileList list;
    list.add("/logs/a&b.con");
    list.add(cp932::toUtf8(cp932::lit("/logs/全市全郡.con")));
    EXPECT_EQ(list.menuText(0), cp932::lit("&1 全市全郡.con"));
    EXPECT_EQ(list.menuText(1), "&2 a&&b.con"); // "&" of the name shows, it marks no key
    EXPECT_EQ(list.menuText(2), "");
}

TEST(RecentFileList, OwnSectionBesideTheMasterSettings) {
    TempFolder dir;
    IniFile ini(dir.file("korvane.ini"));
    ASSERT_TRUE(ini.writeString("MASTER", "CALLSIGN", "JA1ZZZ"));

    RecentFileList list;
    const std::string japanese = cp932::toUtf8(cp932::lit("/ログ/ＡＬＬ ＪＡ.con"));
    list.add("/a/old.con");
    list.add(japanese);
    ASSERT_TRUE(list.save(ini));
    EXPECT_EQ(ini.readString("MASTER", "CALLSIGN"), "JA1ZZZ");
    EXPECT_EQ(ini.readString(RecentFileList::kSection, "File1"),
              cp932::lit("/ログ/ＡＬＬ ＪＡ.con"));
    EXPECT_EQ(ini.readString(RecentFileList::kSection, "File3", "?"), "");

    RecentFileList loaded;
    loaded.add("/stale.con"); // loading replaces what was there
    loaded.load(ini);
    EXPECT_EQ(loaded.entries(), (Paths{japanese, "/a/old.con"}));

    // Reading stops at the first gap; repeated entries count once.
    ASSERT_TRUE(ini.writeString(RecentFileList::kSection, "File1", "/x.con"));
    ASSERT_TRUE(ini.writeString(RecentFileList::kSection, "File2", "/x.con"));
    ASSERT_TRUE(ini.writeString(RecentFileList::kSection, "File3", ""));
    ASSERT_TRUE(ini.writeString(RecentFileList::kSection, "File4", "/y.con"));
    loaded.load(ini);
    EXPECT_EQ(loaded.entries(), (Paths{"/x.con"}));

    // An empty list clears the section's entries on the next save.
    ASSERT_TRUE(RecentFileList{}.save(ini));
    loaded.load(ini);
    EXPECT_TRUE(loaded.entries().empty());

    IniFile unwritable(dir.file("no/such/folder/korvane.ini"));
    EXPECT_FALSE(list.save(unwritable));
}
