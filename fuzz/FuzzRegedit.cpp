// Fuzz target: any bytes as the registry file. Reading never crashes, and what is written back
// reads again without bad lines into the very same text.
#include "services/platform/posix/RegistryStore.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    RegistryStore::Parsed parsed = RegistryStore::parse(text);

    // Edit with names taken from the input, so keys and values of odd bytes get written too.
    std::string_view name = text.substr(0, std::min<std::size_t>(size, 24));
    if (RegistryStore::Key* key = parsed.store.create(RegistryRoot::CurrentUser, name)) {
        if (RegistryStore::validValueName(name)) {
            key->setValue(name, RegistryValue::string(name));
        }
    }
    parsed.store.remove(RegistryRoot::ClassesRoot, name);

    const std::string written = parsed.store.serialize();
    RegistryStore::Parsed again = RegistryStore::parse(written);
    if (!again.badLines.empty() || again.store.serialize() != written) {
        std::abort();
    }
    return 0;
}
