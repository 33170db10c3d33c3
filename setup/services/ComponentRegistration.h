// Self-registering components (".OCX" and ".DLL" files): recognising them and calling their
// DllRegisterServer or DllUnregisterServer.
#pragma once

#include "services/SetupContext.h"

#include <string>
#include <string_view>

// True when the path contains ".OCX" or ".DLL" anywhere, in any case.
bool IsComponentFile(std::string_view path);

// Loads the file and calls DllRegisterServer (doRegister) or DllUnregisterServer. True only when
// registration succeeded; a file that cannot be loaded, a missing entry point or a failed
// registration is told through the prompter. Unregistration always gives false.
bool RegisterComponent(SetupContext& context, const std::string& path, bool doRegister);
