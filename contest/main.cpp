// korvane: prepares a JARL contest entry. Runs the headless jobs of the command line.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine::Options options = CommandLine::parse(args);
    if (!CommandLine::isHeadless(options)) {
        // The windows are not built yet: say what can be done instead.
        std::cerr << "korvane: the windows are not available in this build\n" << CommandLine::usage();
        return 2;
    }
    return CommandLine::run(options, std::cout, std::cerr);
}
