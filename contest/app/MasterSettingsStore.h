// Where the master settings ini file lives, and reading and writing section "MASTER" of it.
#pragma once

#include "app/MasterSettings.h"

#include <string>

// The file beside the program is the usual place. When it cannot be written (a program installed in
// a read-only folder), the settings go to the user's configuration folder instead, and that copy is
// read first from then on, so nothing the user typed is lost.
class MasterSettingsStore {
public:
    // programIni: the file beside the program; userIni: the fallback ("" for none, as with an ini
    // file named on the command line).
    MasterSettingsStore(std::string programIni, std::string userIni);

    // The program's path with a four-character extension (".EXE" in any case) replaced by ".ini",
    // or ".ini" appended when the name has no such extension.
    static std::string pathBesideProgram(const std::string& executablePath);

    // $XDG_CONFIG_HOME/korvane/<name> (or ~/.config/korvane/<name>); "" when neither is known.
    static std::string userConfigPath(const std::string& fileName);

    // Missing files and keys give "" and 0. Texts are cut to 255 bytes at a character boundary.
    MasterSettings load();

    // Writes every key, also unchanged ones. False with a message when no place could be written.
    bool save(const MasterSettings& settings, std::string* error = nullptr);

    // The file that load read from and save writes to first.
    const std::string& activePath() const { return active_; }

private:
    std::string programIni_;
    std::string userIni_;
    std::string active_;
};
