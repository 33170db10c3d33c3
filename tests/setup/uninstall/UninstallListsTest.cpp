// Carrying over a previous uninstall log and filling the RestoreRelate slots.
#include "uninstall/UninstallLists.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
const std::string kLog = "C:\\APP\\UNSETUP.INI";

} // namespace

TEST(UninstallLists, CarryOverReadsEachListUpToItsFirstGap) {
    EmulatedMachine m;
    m.values.workFolder = "C:\\WINDOWS\\TEMP\\BSTMP1\\";
    ASSERT_TRUE(m.platform.createDirectory(m.values.workFolder));
    const std::string previous = "[DeleteFolder]\r\nFolder1=C:\\APP\\\r\nFolder2=C:\\APP\\" +
                                 J("表") +
                                 "\\\r\n[DeleteFile]\r\nFile1=C:\\APP\\A.DLL,/S\r\n"
                                 "File2=\r\nFile3=C:\\APP\\AFTER.GAP\r\n"
                                 "[DeleteShortCut]\r\nFile1=C:\\LINK.LNK\r\n"
                                 "[DeleteRegistry]\r\nKey1=(Local)SOFTWARE\\X\r\n"
                                 "[RestoreRelate]\r\nKey2=txt,txtfile\r\nKey5=TXT,txtfile\r\n"
                                 "Key7=doc,\r\nKey20=txt\r\nKey21=abc,\r\n";
    m.write(kLog, previous);
    UninstallLists lists;
    lists.files = {"C:\\FIRST"};
    lists.carryOver(m.context, "C:\\APP\\");

    EXPECT_EQ(m.read("C:\\WINDOWS\\TEMP\\BSTMP1\\UNSETUPB.INI"), previous);
    EXPECT_EQ(lists.folders, (std::vector<std::string>{"C:\\APP\\", "C:\\APP\\" + J("表") + "\\"}));
    EXPECT_EQ(lists.files, (std::vector<std::string>{"C:\\FIRST", "C:\\APP\\A.DLL,/S"}));
    EXPECT_EQ(lists.shortcuts, std::vector<std::string>{"C:\\LINK.LNK"});
    EXPECT_EQ(lists.registryKeys, std::vector<std::string>{"(Local)SOFTWARE\\X"});
    // A value found in a filled slot (without regard to case) takes none; gaps are skipped.
    std::array<std::string, UninstallLists::kRelateSlots> slots{"txt,txtfile", "doc,"};
    EXPECT_EQ(lists.restoreRelate, slots);
}

TEST(UninstallLists, CarryOverWithoutAPreviousLogChangesNothing) {
    EmulatedMachine m;
    m.values.workFolder = "C:\\WINDOWS\\TEMP\\";
    m.write("C:\\WINDOWS\\TEMP\\UNSETUPB.INI", "[DeleteFile]\r\nFile1=C:\\STALE\r\n");
    UninstallLists lists;
    lists.carryOver(m.context, "C:\\APP\\");
    EXPECT_TRUE(lists.files.empty());
}

TEST(UninstallLists, TheFirstRecordedTypeOfAnExtensionSurvives) {
    UninstallLists lists;
    lists.restoreRelate[0] = "txt,txtfile"; // carried over from the first install
    // The installer's own type of a known extension is not recorded; a part of one is another
    // extension.
    const std::pair<std::string, std::string> associations[] = {
        {"TXT", "txt_auto_file"}, {"doc", ""}, {"xt", "x"}, {"pdf", "AcroExch"}, {"Doc", "y"}};
    for (const auto& [extension, type] : associations) {
        EXPECT_TRUE(lists.recordAssociation(extension, type)) << extension;
        EXPECT_TRUE(lists.hasAssociation(extension)) << extension;
    }
    std::array<std::string, UninstallLists::kRelateSlots> slots{"txt,txtfile", "doc,", "xt,x",
                                                                "pdf,AcroExch"};
    EXPECT_EQ(lists.restoreRelate, slots);
    // Only the part before the first "," names the extension.
    EXPECT_FALSE(lists.hasAssociation("AcroExch"));
}

TEST(UninstallLists, TheTwentyFirstAssociationIsNotRecorded) {
    UninstallLists lists;
    for (int i = 1; i <= UninstallLists::kRelateSlots; ++i) {
        EXPECT_TRUE(lists.recordAssociation("e" + std::to_string(i * 1000), "t"));
    }
    EXPECT_FALSE(lists.recordAssociation("new", "t"));
    EXPECT_FALSE(lists.hasAssociation("new"));
    EXPECT_TRUE(lists.recordAssociation("E5000", "other")); // already there
}

TEST(UninstallLists, CarryOverReadsTheLogItselfWhenItsCopyFails) {
    EmulatedMachine m;
    m.values.workFolder = "C:\\WINDOWS\\TEMP\\MISSING\\";
    m.write(kLog, "[DeleteFile]\r\nFile1=C:\\APP\\A.EXE\r\n[RestoreRelate]\r\nKey1=txt,\r\n");
    UninstallLists lists;
    lists.carryOver(m.context, "C:\\APP\\");
    EXPECT_EQ(lists.files, Strings{"C:\\APP\\A.EXE"});
    EXPECT_EQ(lists.restoreRelate[0], "txt,");
}
