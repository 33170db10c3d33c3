// Path texts: the "\" delimiter at either end and the folder and name parts, all aware that a
// trail byte may equal "\".
#pragma once

#include <string>
#include <string_view>

// Position flag "T" acts at the start of the path, "B" at its end; any other flag does nothing.
// AddBackslash adds "\" there unless one is already there; RemoveBackslash removes one.
std::string AddBackslash(std::string_view path, std::string_view position);
std::string RemoveBackslash(std::string_view path, std::string_view position);

// True when the last character of the text is "\" (not the trail byte of a double-byte one).
bool EndsWithBackslash(std::string_view text);

// The folder part up to and including the last "\" (or the drive "X:"), and the name after it.
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
