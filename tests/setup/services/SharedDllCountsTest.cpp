// Shared-library counts in the emulated registry: the increment and decrement rules.
#include "services/SharedDllCounts.h"

#include "services/platform/Win32Codes.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const std::string kDll = "C:\\WINDOWS\\SYSTEM32\\SHARED.DLL";

std::optional<RegistryValue> stored(EmulatedMachine& m) {
    RegistryValue value;
    if (m.platform.regQueryValue(RegistryRoot::LocalMachine, kKey, kDll, value) != 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

TEST(SharedDllCounts, IncrementAndDecrement) {
    struct Row {
        bool fileOnDisk;
        std::optional<std::uint32_t> before;
        bool increment;
        std::int32_t result;
        std::optional<std::uint32_t> after; // nothing: no value is left
    };
    const Row rows[] = {
        {true, std::nullopt, true, 2, 2}, // present but unregistered: one user already
        {false, std::nullopt, true, 1, 1},
        {true, 3, true, 4, 4},
        {false, 1, false, 0, std::nullopt}, // the last user went away
        {true, 3, false, 2, 2},
        {true, std::nullopt, false, -1, std::nullopt},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        if (row.fileOnDisk) {
            m.write(kDll, "dll");
        }
        if (row.before) {
            m.platform.regCreateKey(RegistryRoot::LocalMachine, kKey);
            m.platform.regSetValue(RegistryRoot::LocalMachine, kKey, kDll,
                                   RegistryValue::dword(*row.before));
        }
        EXPECT_EQ(ChangeSharedDllCount(m.context, kDll, row.increment), row.result);
        auto value = stored(m);
        ASSERT_EQ(value.has_value(), row.after.has_value()) << row.result;
        if (value) {
            EXPECT_EQ(value->dwordValue(), row.after);
        }
        EXPECT_EQ(GetSharedDllCount(m.context, kDll),
                  static_cast<std::int32_t>(row.after.value_or(0)));
    }
}

TEST(SharedDllCounts, ReadingCreatesTheKeyAndIgnoresOtherTypes) {
    EmulatedMachine m;
    EXPECT_EQ(GetSharedDllCount(m.context, kDll), 0);
    EXPECT_EQ(m.platform.regOpenKey(RegistryRoot::LocalMachine, kKey), 0u);
    m.platform.regSetValue(RegistryRoot::LocalMachine, kKey, kDll, RegistryValue::string("5"));
    EXPECT_EQ(GetSharedDllCount(m.context, kDll), 0);
    // Value names are the path as spelled, found without regard to case like every registry name.
    m.platform.regSetValue(RegistryRoot::LocalMachine, kKey, kDll, RegistryValue::dword(7));
    EXPECT_EQ(GetSharedDllCount(m.context, "c:\\windows\\system32\\shared.dll"), 7);
}
