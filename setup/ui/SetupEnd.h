// The end of a run, with or without windows: the main window's clean-up, the instance lock let go,
// and the restart of Windows offered when the installation asked for it.
#pragma once

#include "services/SetupContext.h"

#include <memory>

class SetupEnd {
public:
    // Removes the work folders and notifies the shell, releases the lock, then offers the restart
    // when context.values.rebootRequested; a declined restart is told through the prompter.
    static void finish(SetupContext& context, std::unique_ptr<Platform::InstanceLock> lock);
};
