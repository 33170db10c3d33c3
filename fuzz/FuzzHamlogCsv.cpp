// libFuzzer target: any bytes read as a HAMLOG CSV export; every record it yields is read and
// checked.
#include "fuzz/LogReaderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return log_fuzzing::run(data, size, LogFormat::kCsv, "J");
}
