// libFuzzer target: any bytes read as an ADIF log; every record it yields is read and checked.
#include "fuzz/LogReaderFuzzing.h"

namespace {
// ADIF frequencies are written by the reader itself: empty or a compact MHz number.
void checkFrequency(const QsoRecord& record) {
    std::string_view freq = QsoRecord::text(record.freq);
    if (!freq.empty() && !Megahertz::parseLeading(freq)) {
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return log_fuzzing::run(data, size, LogFormat::kAdif, "J", checkFrequency);
}
