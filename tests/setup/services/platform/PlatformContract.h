// The fixture of the platform contract: every case runs on a fresh machine from the maker of the
// implementation it was instantiated for, and reaches the platform only through Platform&.
#pragma once

#include "tests/setup/services/platform/ContractMachine.h"

#include <gtest/gtest.h>
#include <memory>

class PlatformContract : public ::testing::TestWithParam<ContractMachine::Maker> {
protected:
    std::unique_ptr<ContractMachine> machine = GetParam().make();
    ContractMachine& m = *machine;
    Platform& p = m.platform();
};
