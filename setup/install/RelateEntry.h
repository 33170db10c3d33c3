// One file association of a setup script (Relate Name<n> and File<n>): extension, description,
// verb, program, arguments, icon, and the command and default icon written for them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct RelateEntry {
    std::string extension;   // without its dot
    std::string description; // default: the extension and " File"
    std::string verb;
    std::string program;
    std::vector<std::string> arguments; // the non-empty fields between program and icon
    std::string icon;                   // the text after the last ","
    std::string command;                // program (quoted when it holds a blank) and arguments
    std::string defaultIcon;            // program (unquoted), ",", icon

    // name: the raw Name<n>; file: File<n> with its path tokens replaced.
    static RelateEntry parse(std::string_view name, std::string_view file);
};
