// The one contest document of korvane: the contest settings with the file they come from, and the
// QSOs retrieved for them.
#pragma once

#include "app/HamlogLibrary.h"
#include "app/MasterSettings.h"
#include "document/ContestSettings.h"
#include "document/QsoList.h"
#include "exchange/BandResults.h"

#include <memory>
#include <string>
#include <vector>

class CKorvaneDoc {
public:
    struct Result {
        bool ok = true;
        std::string message; // CP932, for the user; empty on success
    };

    // Starts as a new untitled document.
    CKorvaneDoc();

    // Every contest setting back to its default, and no file. Run-time data stay as they are.
    void newDocument();

    // Loads the contest file. When it cannot be opened the document is left as it was; when its
    // contents are unreadable the document becomes a new untitled one.
    Result openDocument(const std::string& hostPath);

    // Writes the contest settings; on success the document is named after the file.
    Result saveDocument(const std::string& hostPath);

    // Host path of the document's file; empty for an untitled document.
    const std::string& path() const { return path_; }

    // The file name (CP932), or "無題" for an untitled document.
    const std::string& title() const { return title_; }

    // Saved in the contest file.
    ContestSettings contest;

    // Run-time data, never saved: the QSOs of the last retrieval in retrieval order, and the number
    // of database records that retrieval read.
    QsoList qsoList;
    int recordsRead = 0;

    // The records the last retrieval read and did not keep, each counted once under the first
    // filter that refused it: recordsRead is the kept QSOs plus total().
    struct Skipped {
        int zone = 0;   // time not in Japan time (no zone letter "J")
        int period = 0; // outside the contest period
        int band = 0;   // on a band not chosen
        int mode = 0;   // in a mode not chosen
        int repeat = 0; // the call again on a band it was kept on
        int total() const { return zone + period + band + mode + repeat; }
    };
    Skipped skipped;
    // Records of the same retrieval with a field the library cut to fit the record; -1 when the
    // library does not count them.
    int cutRecords = 0;

    // The composed rows and multiplier tallies per band of the same retrieval.
    BandResults results;

    // The station's particulars, kept in the master settings file, not in the contest file.
    MasterSettings master;

    // Binds the log database library for the life of the document (released with it). False when
    // it cannot be loaded or lacks an entry point that retrieval calls.
    bool bindLibrary(const std::string& fileName = HamlogLibrary::kFileName);
    // The bound library, or null before bindLibrary succeeded.
    HamlogLibrary* library() const { return library_.get(); }

private:
    void setPath(const std::string& hostPath);

    std::shared_ptr<HamlogLibrary> library_; // shared by copies, released with the last
    std::string path_;
    std::string title_;
};
