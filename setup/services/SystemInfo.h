// What the system tells about itself: error texts for reports, free disk space, file versions.
#pragma once

#include "services/SetupContext.h"

#include <cstdint>
#include <string>

// Empty for 0; otherwise the system's text for the code (trailing control characters, blanks and
// full stops removed) in full-width characters, ended by CR LF. A code without a system text gets
// an "unknown error" text that names it.
std::string SystemErrorText(SetupContext& context, std::uint32_t code);

// Bytes free to the user on the drive of the path, -1 when the system cannot tell.
std::int64_t GetFreeDiskSpace(SetupContext& context, const std::string& path);

// The file's Japanese FileVersion "a.b.c.d" shown as "a.bc" + suffix + "(Build:d)"; empty when
// the file has no version information.
std::string GetFileVersionText(SetupContext& context, const std::string& programFile,
                               const std::string& suffix);
