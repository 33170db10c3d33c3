// The one place outside the implementations that picks one: the emulated machine on POSIX hosts.
#include "services/platform/PlatformFactory.h"

#ifdef _WIN32
// Setup on Windows calls the system itself; that implementation has not been written yet.
#error "no Platform implementation for Windows yet"
#else
#include "services/platform/posix/PosixPlatform.h"
#endif

std::unique_ptr<Platform> PlatformFactory::create() {
    return std::make_unique<PosixPlatform>();
}
