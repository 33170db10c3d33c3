// Fuzz target: any bytes loaded as a contest file; what loads must save and load back unchanged.
#include "document/ContestFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ContestFile::LoadResult first = ContestFile::load(bytes);
    if (!first.ok())
        return 0;
    const ContestFile::LoadResult second = ContestFile::load(ContestFile::save(first.settings));
    if (!second.ok() || !(second.settings == first.settings))
        std::abort();
    return 0;
}
