// Out-of-line destructors, so the platform interface has one home for its virtual tables.
#include "Platform.h"

Platform::~Platform() = default;

Platform::InstanceLock::~InstanceLock() = default;
