// What the routines that reach the system work with: the platform, the prompter for their
// messages and the process-wide values.
#pragma once

#include "common/Prompter.h"
#include "services/ProcessValues.h"
#include "services/platform/Platform.h"

struct SetupContext {
    Platform& platform;
    Prompter& prompter;
    ProcessValues& values;
};
