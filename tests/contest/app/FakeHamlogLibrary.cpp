// A log library with only the six called exports and a version chosen at build time; built with
// FAKE_CUT_FIELDS it has the optional THW_cutFields too. It logs its open and close calls for the
// tests (FakeCallLog, FakeClearCallLog).
#include <cstdint>
#include <cstring>
#include <string>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// Three records; the first has a mode that fills its field without a terminator.
const char* const kCalls[] = {"JA1AAA", "JA2BBB", "JA3CCC"};
// Fields cut in each record: two of the second.
const std::int32_t kCutFields[] = {0, 2, 0};
// Where the library keeps the number of the record in the work area, after the record.
constexpr std::size_t kRecordNumberAt = 512;
std::string callLog;
} // namespace

EXPORT std::int32_t GetThdllVersion() {
    return FAKE_VERSION;
}

EXPORT std::int32_t HamlogOpen(std::int32_t, void* work, const char* path, std::int32_t,
                               std::int32_t) {
    std::memset(work, 0, kRecordNumberAt + sizeof(std::int32_t));
    const std::int32_t result = std::strcmp(path, "good.log") == 0 ? 0 : 1;
    callLog += "HamlogOpen=" + std::to_string(result) + ";";
    return result;
}

EXPORT std::int32_t THW_read(void* work, std::int32_t n, std::int32_t) {
    if (n < 1 || n > 3) {
        return 1;
    }
    auto* record = static_cast<char*>(work);
    std::memset(record, 0, 218);
    std::strcpy(record, kCalls[n - 1]);
    std::memcpy(record + 44, "RTTY", 4);
    std::strcpy(record + 48, "1001");
    std::memcpy(record + kRecordNumberAt, &n, sizeof n);
    return 0;
}

EXPORT std::int32_t HamlogClose(void*, std::int32_t) {
    callLog += "HamlogClose;";
    return 0;
}

EXPORT std::int32_t FreqPCheck(const char* text) {
    return std::strcmp(text, "7") == 0 ? 2 : 15;
}

EXPORT std::int32_t ChosonCheck(const char* code) {
    return static_cast<std::int32_t>(std::strlen(code));
}

#ifdef FAKE_CUT_FIELDS
EXPORT std::int32_t THW_cutFields(void* work) {
    std::int32_t n = 0;
    std::memcpy(&n, static_cast<const char*>(work) + kRecordNumberAt, sizeof n);
    return n >= 1 && n <= 3 ? kCutFields[n - 1] : 0;
}
#endif

EXPORT const char* FakeCallLog() {
    return callLog.c_str();
}

EXPORT void FakeClearCallLog() {
    callLog.clear();
}
