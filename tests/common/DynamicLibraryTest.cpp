// Loading a shared library, looking up exports and failing cleanly on missing files.
#include "common/DynamicLibrary.h"

#include <gtest/gtest.h>

TEST(DynamicLibrary, LoadsAndResolvesExports) {
    std::string error;
    auto lib = DynamicLibrary::load(DYNLIB_FIXTURE, &error);
    ASSERT_TRUE(lib) << error;
    auto answer = lib->function<int (*)()>("fixtureAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(lib->symbol("noSuchExport"), nullptr);
}

TEST(DynamicLibrary, MissingLibraryGivesErrorNotCrash) {
    std::string error;
    EXPECT_EQ(DynamicLibrary::load("NO-SUCH-LIBRARY.DLL", &error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(DynamicLibrary::load("/nonexistent/folder/x.so"), nullptr);
}
