// A log library with only the six called exports and a version chosen at build time.
#include <cstdint>
#include <cstring>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// Three records; the first has a mode that fills its field without a terminator.
const char* const kCalls[] = {"JA1AAA", "JA2BBB", "JA3CCC"};
} // namespace

EXPORT std::int32_t GetThdllVersion() {
    return FAKE_VERSION;
}

EXPORT std::int32_t HamlogOpen(std::int32_t, void* work, const char* path, std::int32_t,
                               std::int32_t) {
    std::memset(work, 0, 218);
    return std::strcmp(path, "good.log") == 0 ? 0 : 1;
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
    return 0;
}

EXPORT std::int32_t HamlogClose(void*, std::int32_t) {
    return 0;
}

EXPORT std::int32_t FreqPCheck(const char* text) {
    return std::strcmp(text, "7") == 0 ? 2 : 15;
}

EXPORT std::int32_t ChosonCheck(const char* code) {
    return static_cast<std::int32_t>(std::strlen(code));
}
