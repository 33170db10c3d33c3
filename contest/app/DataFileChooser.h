// The open-file dialog as a procedure asks for it; the windows show one, tests script the answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

class DataFileChooser {
public:
    struct Filter {
        std::string name; // as shown (CP932), ending in its patterns: "データﾌｧｲﾙ(*.mst)"
        std::string patterns; // blank-separated wildcards, e.g. "*.adi *.adif"
    };

    struct Request {
        std::string caption;          // dialog title (CP932)
        std::vector<Filter> filters;  // the first one is selected
        std::string defaultExtension; // added when the user types a name without one
        std::string initialName;      // file name field at opening
        std::string initialFolder;    // host path (UTF-8); empty for the current folder
    };

    virtual ~DataFileChooser() = default;

    // The full host path (UTF-8) of the chosen existing file, or nothing when cancelled.
    virtual std::optional<std::string> chooseOpenFile(const Request& request) = 0;
};
