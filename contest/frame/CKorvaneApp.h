// The windowed program: start-up checks, the one document and main window, and the exit.
#pragma once

#include "app/HamlogLibrary.h"
#include "common/Prompter.h"
#include "document/CKorvaneDoc.h"
#include "frame/RecentFileList.h"

#include <memory>
#include <string>

class CMainFrame;
class MasterSettingsStore;

class CKorvaneApp {
public:
    struct Options {
        std::string contestFile; // host path to open, or empty for a new document
        std::string ini;         // master settings file instead of the one beside the program
        std::string log;         // log file used instead of THDIR for this session
        std::string library = HamlogLibrary::kFileName;
    };

    explicit CKorvaneApp(Options options);
    ~CKorvaneApp();
    CKorvaneApp(const CKorvaneApp&) = delete;
    CKorvaneApp& operator=(const CKorvaneApp&) = delete;

    // Checks the log database library (the error dialog ends start-up when it fails), reads the
    // master settings and the recent files, opens the command line's contest file or starts a new
    // one, and shows the main window. False when the program must end at once.
    bool initInstance();

    // Closes the window and writes the master settings and recent files back; a failure to write
    // them anywhere is reported. Returns false in that case.
    bool exitInstance();

    CKorvaneDoc& document() { return *doc_; }
    CMainFrame* frame() const { return frame_.get(); }
    RecentFileList& recentFiles() { return recent_; }
    // The ini file that holds the master settings and the recent files.
    std::string iniPath() const;

    // Messages of start-up and exit go through this prompter; null: message boxes.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }

private:
    Prompter& prompter();

    Options options_;
    std::unique_ptr<MasterSettingsStore> store_;
    std::unique_ptr<CKorvaneDoc> doc_;
    RecentFileList recent_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_ = nullptr;
    std::string savedThDir_; // THDIR as read, when the command line named a log for the session
    std::string sessionThDir_;
};
