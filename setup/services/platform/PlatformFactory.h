// Gives setup the platform of the system it runs on, so that nothing above the platform layer
// names an implementation.
#pragma once

#include "services/platform/Platform.h"

#include <memory>

class PlatformFactory {
public:
    // Windows itself on Windows; on POSIX hosts the emulated Windows machine at
    // PosixPlatform::defaultRoot().
    static std::unique_ptr<Platform> create();
};
