// Fuzz target: any bytes as a compressed file, and as the body behind a well-formed SZDD header.
// Expansion either fails or yields exactly the length the header states.
#include "services/platform/posix/SzddExpander.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void expandChecked(const std::string& bytes) {
    std::string expanded;
    auto header = SzddExpander::header(bytes);
    bool ok = SzddExpander::expand(bytes, expanded);
    if (ok && (!header || expanded.size() != header->length)) {
        std::abort();
    }
    if (!ok && !expanded.empty()) {
        std::abort();
    }
    if (header) {
        SzddExpander::expandedName("C:\\MEDIA\\FILE.TX_", *header);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    expandChecked(bytes);

    // The first two bytes choose the stated length, the rest is the compressed stream.
    if (size >= 2) {
        std::uint32_t length = (static_cast<std::uint32_t>(data[0]) << 8 | data[1]) * 4;
        std::string framed("SZDD\x88\xF0\x27\x33", 8);
        framed += 'A';
        framed += 'x';
        for (int i = 0; i < 4; ++i) {
            framed += static_cast<char>((length >> (8 * i)) & 0xFF);
        }
        expandChecked(framed + bytes.substr(2));
    }
    return 0;
}
