// The process-wide values that start-up fills in and the procedures and routines read.
#pragma once

#include <string>

// Every folder ends with "\"; paths and texts are CP932.
struct ProcessValues {
    std::string sourceFolder;    // the folder of the running program file
    std::string temporaryFolder; // the system's temporary folder, else the source folder
    std::string windowsFolder;
    std::string systemFolder;
    std::string programFilesFolder; // the drive of the Windows folder + "\Program Files\"
    std::string mode;               // "SETUP" or "UNSETUP"
    std::string workFolder;         // <temporary folder>BSTMP<n>\ for this run
    std::string scriptCopy;         // the working copy of SETUP.INI or UNSETUP.INI
    int setupSpeed = 1;             // pause after visible steps, milliseconds
    std::string setupTitle;
    std::string uninstallTitle;
    std::string programId;
    std::string messageText;
    bool abortRequested = false;
    bool rebootRequested = false;
};
