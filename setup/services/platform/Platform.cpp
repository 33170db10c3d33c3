// Out-of-line destructors, so the platform interface has one home for its virtual tables.
#include "services/platform/Platform.h"

Platform::~Platform() = default;

Platform::InstanceLock::~InstanceLock() = default;
