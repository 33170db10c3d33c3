// One CopyFile entry of a setup script: destination[|new name][,options], its source on the
// medium, and the disk-change mark "(Dch)" at its start.
#pragma once

#include <string>
#include <string_view>

struct CopyFileEntry {
    std::string options;     // from the first "," to the end, comma included; empty without one
    std::string destination; // the installed file; a compressed source without "|" ends in
                             // "\AUTO.EXT" until its stored name is known
    std::string source;      // source folder + the file name part written before "|"
    bool compressed = false; // the source name ends in "_"
    bool diskChange = false; // the entry began with "(Dch)" (dropped from the other fields)

    bool shared() const;    // options hold "/S"
    bool registers() const; // options hold "/R"

    // entry: the value with its path tokens replaced; sourceFolder ends in "\".
    static CopyFileEntry parse(std::string_view entry, const std::string& sourceFolder);
    // The source of the raw value (no tokens replaced), as the size of the file set is computed:
    // cut before the first "," and then before the first "|", the file name part after the source
    // folder. "(App)PROG.EXE" thus yields a name that is not on the medium.
    static std::string rawSource(std::string_view rawEntry, const std::string& sourceFolder);
};
