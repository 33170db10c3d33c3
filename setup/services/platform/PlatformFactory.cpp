// The one place outside the implementations that picks one: Windows itself, or the emulated
// machine on POSIX hosts.
#include "services/platform/PlatformFactory.h"

#ifdef _WIN32
#include "services/platform/win32/Win32Platform.h"
#else
#include "services/platform/posix/PosixPlatform.h"
#endif

std::unique_ptr<Platform> PlatformFactory::create() {
#ifdef _WIN32
    return std::make_unique<Win32Platform>();
#else
    return std::make_unique<PosixPlatform>();
#endif
}
