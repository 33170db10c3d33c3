// What the routines that reach the system work with: the platform, the prompter for their
// messages and the process-wide values.
#pragma once

#include "Platform.h"
#include "ProcessValues.h"
#include "Prompter.h"

struct SetupContext {
    Platform& platform;
    Prompter& prompter;
    ProcessValues& values;
};
