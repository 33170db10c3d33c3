// The headless command line of korvane: options, usage text and running the chosen job.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

class CKorvaneDoc;

class CommandLine {
public:
    struct Options {
        std::string input;  // contest file to open (host path), or empty for a new document
        std::string ini;    // master settings file named with --ini
        std::string log;    // log file named with --log, used instead of THDIR
        std::string saveAs; // --save-as OUT.con
        bool settingsJson = false;
        std::string report;               // --report OUT.json ("-" for standard output)
        std::string pdf;                  // --pdf OUT.pdf
        std::string png;                  // --png DIR
        int dpi = 150;                    // --dpi N for --png
        std::string layoutJson;           // --layout-json OUT.json
        std::string elog;                 // --elog OUT.txt: JARL electronic log
        std::string elogVersion = "R2.1"; // --elog-version R2.1 | R1.0
        bool utf8 = false;                // --encoding utf-8 (default cp932)
        std::string cabrillo;             // --cabrillo OUT.log
        // --cabrillo-contest ID, --cabrillo-category "OPERATOR BAND MODE POWER"; when not given,
        // those of the master settings file.
        std::optional<std::string> cabrilloContest;
        std::optional<std::string> cabrilloCategory;
        bool help = false;
        std::string error; // why the arguments could not be understood
    };

    static Options parse(const std::vector<std::string>& args);

    // True when the options ask for a job without windows.
    static bool isHeadless(const Options& options);

    // True when the job reads the log database (report and sheets).
    static bool needsRetrieval(const Options& options);

    // Loads the master settings and the contest file into doc and, when the job needs it, runs the
    // retrieval over the log. Returns 0, or the exit status after a message on err.
    static int prepare(const Options& options, CKorvaneDoc& doc, std::ostream& err);

    // Runs the jobs that need no drawing surface; returns the process exit status. Messages go to
    // err as UTF-8.
    static int run(const Options& options, std::ostream& out, std::ostream& err);

    // Writes text to a host path atomically, or to out when the path is "-".
    static bool writeOutput(const std::string& path, const std::string& text, std::ostream& out,
                            std::ostream& err);

    static std::string usage();
};
