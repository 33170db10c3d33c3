// The REGEDIT4 text of the emulated registry: its exact form, values of every type surviving a
// write and a read, keys without regard to case, and the lines of a damaged file.
#include "services/platform/posix/RegistryStore.h"

#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"

#include <gtest/gtest.h>

namespace {

const std::string& J(std::string_view utf8) {
    return cp932::lit(utf8);
}

} // namespace

TEST(RegistryStore, WritesRegedit4Text) {
    RegistryStore store;
    RegistryStore::Key* key = store.create(RegistryRoot::ClassesRoot, "\\txt_auto_file\\shell\\");
    ASSERT_NE(key, nullptr);
    key->setValue("", RegistryValue::string("C:\\APP\\\"A\".EXE"));
    key->setValue("Count", RegistryValue::dword(10));
    key->setValue("Path", RegistryValue::expandString("%W%"));
    key->setValue("Data", RegistryValue::binary(std::string("\x01\xff", 2)));
    store.create(RegistryRoot::CurrentUser, "Software\\Empty");
    EXPECT_EQ(store.serialize(), "REGEDIT4\r\n\r\n"
                                 "[HKEY_CLASSES_ROOT\\txt_auto_file]\r\n\r\n"
                                 "[HKEY_CLASSES_ROOT\\txt_auto_file\\shell]\r\n"
                                 "@=\"C:\\\\APP\\\\\\\"A\\\".EXE\"\r\n"
                                 "\"Count\"=dword:0000000a\r\n"
                                 "\"Path\"=hex(2):25,57,25,00\r\n"
                                 "\"Data\"=hex:01,ff\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Empty]\r\n\r\n");
}

TEST(RegistryStore, ValuesSurviveWritingAndReading) {
    const std::pair<std::string, RegistryValue> values[] = {
        {"plain", RegistryValue::string("text")},
        {"empty", RegistryValue::string("")},
        // ソ ends in the byte 0x5C: only the real "\" is escaped.
        {J("ソフト\\名前"), RegistryValue::string(J("C:\\ソフト\\表"))},
        {"quote\"name", RegistryValue::string("a \"quoted\" \\ text")},
        {"lines", RegistryValue::string("one\r\ntwo")},
        {"nul inside", RegistryValue{registry_type::String, std::string("a\0b\0", 4)}},
        {"no terminator", RegistryValue{registry_type::String, "abc"}},
        {"half character", RegistryValue::string("abc\x82")},
        {"expand", RegistryValue::expandString(J("%SystemRoot%\\ソ"))},
        {"dword", RegistryValue::dword(0xFFFFFFFF)},
        {"short dword", RegistryValue{registry_type::Dword, "\x01\x02"}},
        {"binary", RegistryValue::binary(std::string("\0\x80\xff", 3))},
        {"empty binary", RegistryValue::binary("")},
        {"multi", RegistryValue{7, std::string("a\0b\0\0", 5)}},
        {"", RegistryValue::string("default")},
    };
    RegistryStore store;
    RegistryStore::Key* key = store.create(RegistryRoot::LocalMachine, J("SOFTWARE\\表\\Values"));
    for (const auto& [name, value] : values) {
        ASSERT_TRUE(RegistryStore::validValueName(name)) << name;
        key->setValue(name, value);
    }
    auto parsed = RegistryStore::parse(store.serialize());
    EXPECT_TRUE(parsed.badLines.empty());
    const RegistryStore::Key* read =
        parsed.store.find(RegistryRoot::LocalMachine, J("software\\表\\VALUES"));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->values().size(), std::size(values));
    for (const auto& [name, value] : values) {
        const RegistryValue* found = read->value(name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(*found, value) << name;
    }
    EXPECT_EQ(parsed.store.serialize(), store.serialize());
}

TEST(RegistryStore, KeysWithoutRegardToCase) {
    RegistryStore store;
    store.create(RegistryRoot::CurrentUser, "Software\\Quillet")
        ->setValue("v", RegistryValue::dword(1));
    RegistryStore::Key* sub = store.create(RegistryRoot::CurrentUser, "SOFTWARE\\quillet\\Sub");
    EXPECT_EQ(store.find(RegistryRoot::CurrentUser, "software\\QUILLET\\sub"), sub);
    EXPECT_EQ(store.find(RegistryRoot::CurrentUser, "SOFTWARE")->name(), "Software");
    EXPECT_EQ(store.find(RegistryRoot::LocalMachine, "Software"), nullptr);
    EXPECT_EQ(store.find(RegistryRoot::CurrentUser, "software\\quillet")->value("V")->dwordValue(),
              1u);
    EXPECT_FALSE(store.remove(RegistryRoot::CurrentUser, "\\"));
    EXPECT_TRUE(store.remove(RegistryRoot::CurrentUser, "software\\Quillet"));
    EXPECT_EQ(store.find(RegistryRoot::CurrentUser, "Software\\Quillet\\Sub"), nullptr);
    EXPECT_NE(store.find(RegistryRoot::CurrentUser, "Software"), nullptr);
    EXPECT_EQ(store.create(RegistryRoot::CurrentUser, std::string("bad\0name", 8)), nullptr);
    EXPECT_FALSE(RegistryStore::validValueName("line\nbreak"));
}

TEST(RegistryStore, ReadsLongHexListsAndReportsBadLines) {
    struct Row {
        std::string text;
        std::vector<std::size_t> badLines;
    };
    const Row rows[] = {
        {"REGEDIT4\n\n[HKEY_USERS\\X]\n\"b\"=hex:01,02,\\\n  03\n", {}},
        {"; comment first\r\nREGEDIT4\r\n[hkey_users\\X]\r\n@=\"v\"\r\n", {}},
        {"[HKEY_USERS\\X]\n", {1}},
        {"REGEDIT4\n[HKEY_NOWHERE\\X]\n\"a\"=\"b\"\n", {2, 3}},
        {"REGEDIT4\n\"a\"=\"b\"\n", {2}},
        {"REGEDIT4\n[HKEY_USERS\\X]\n\"a\"=\"unterminated\n", {3}},
        {"REGEDIT4\n[HKEY_USERS\\X]\n\"a\"=\"bad \\q escape\"\n", {3}},
        {"REGEDIT4\n[HKEY_USERS\\X]\n\"a\"=dword:123456789\n", {3}},
        {"REGEDIT4\n[HKEY_USERS\\X]\n\"a\"=hex:0g\n", {3}},
        {"REGEDIT4\n[HKEY_USERS\\X]\n\"a\"=hex:01,\\\n", {3}},
        {"REGEDIT4\n[-HKEY_USERS\\X]\n", {2}},
        {"REGEDIT4\n[HKEY_USERS\\X\n", {2}},
        {"REGEDIT4\n[HKEY_USERS\\X]\n\"a\"=\"b\" trailing\n", {3}},
    };
    for (const Row& row : rows) {
        auto parsed = RegistryStore::parse(row.text);
        EXPECT_EQ(parsed.badLines, row.badLines) << row.text;
    }
    auto parsed = RegistryStore::parse(rows[0].text);
    EXPECT_EQ(parsed.store.find(RegistryRoot::Users, "X")->value("b")->data, "\x01\x02\x03");
}
