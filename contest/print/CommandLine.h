// The headless command line of korvane: options, usage text and running the chosen job.
#pragma once

#include <ostream>
#include <string>
#include <vector>

class CommandLine {
public:
    struct Options {
        std::string input;      // contest file to open (host path), or empty for a new document
        std::string ini;        // master settings file named with --ini
        std::string log;        // log file named with --log, used instead of THDIR
        std::string saveAs;     // --save-as OUT.con
        bool settingsJson = false;
        bool help = false;
        std::string error;      // why the arguments could not be understood
    };

    static Options parse(const std::vector<std::string>& args);

    // True when the options ask for a job without windows.
    static bool isHeadless(const Options& options);

    // Runs the job; returns the process exit status. Messages go to err as UTF-8.
    static int run(const Options& options, std::ostream& out, std::ostream& err);

    static std::string usage();
};
