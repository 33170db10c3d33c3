// The program's title: the caption of its own messages and the end of its window title.
#pragma once

inline constexpr const char* kProgramTitle = "Korvane";
