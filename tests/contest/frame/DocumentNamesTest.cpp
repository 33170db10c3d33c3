// The window title and the ".con" added to names typed without an extension.
#include "frame/DocumentNames.h"

#include "common/Cp932.h"

#include <gtest/gtest.h>

TEST(DocumentNames, WindowTitle) {
    EXPECT_EQ(DocumentNames::windowTitle(cp932::lit("無題")), cp932::lit("無題 - Korvane"));
    EXPECT_EQ(DocumentNames::windowTitle("field-day.con"), "field-day.con - Korvane");
    EXPECT_EQ(DocumentNames::filterName(), cp932::lit("ｺﾝﾃｽﾄﾌｧｲﾙ(*.con)"));
}

TEST(DocumentNames, DefaultExtension) {
    struct Row {
        const char* typed;
        const char* saved;
    } rows[] = {
        {"/home/u/allja", "/home/u/allja.con"},
        {"/home/u/allja.con", "/home/u/allja.con"},
        {"/home/u/allja.txt", "/home/u/allja.txt"}, // an extension the user typed stays
        {"/home/u/all.ja.2026", "/home/u/all.ja.2026"},
        {"/home/u/allja.", "/home/u/allja.con"},
        {"/home/u/.allja", "/home/u/.allja.con"},   // a leading dot marks a hidden file
        {"/home/u.v/allja", "/home/u.v/allja.con"}, // a dot in a folder is not the file's
        {"allja", "allja.con"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(DocumentNames::withDefaultExtension(r.typed), r.saved) << r.typed;
    }
}
