// The platform contract instantiated on the machine of the system the tests are built for:
// Windows itself there, the emulated machine everywhere else.
#include "tests/setup/services/platform/PlatformContract.h"

#ifdef _WIN32
#include "tests/setup/services/platform/win32/SystemContractMachine.h"

INSTANTIATE_TEST_SUITE_P(Win32, PlatformContract,
                         ::testing::Values(ContractMachine::Maker{"System",
                                                                  &SystemContractMachine::make}));
#else
#include "tests/setup/services/platform/posix/EmulatedContractMachine.h"

INSTANTIATE_TEST_SUITE_P(Posix, PlatformContract,
                         ::testing::Values(ContractMachine::Maker{"EmulatedMachine",
                                                                  &EmulatedContractMachine::make}));
#endif
