// Where the master settings ini file lives, and reading and writing section "MASTER" of it.
#pragma once

#include "app/MasterSettings.h"

#include <string>

// The file beside the program is the place whenever it can be written. When it cannot (a program
// installed in a read-only folder), the settings go to the user's configuration folder instead.
// Whichever of the two files was written last is read, so nothing the user typed or edited is lost:
// the fallback while the program's folder stays read-only, the file beside the program once its
// folder can be written again (the fallback's settings carried over by the next save) or once the
// user edits it.
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

    // Writes every key, also unchanged ones, to the file beside the program, or to the fallback
    // when that cannot be written. False with a message when no place could be written.
    bool save(const MasterSettings& settings, std::string* error = nullptr);

    // The file that load read from, and after a save the one written.
    const std::string& activePath() const { return active_; }

private:
    std::string programIni_;
    std::string userIni_;
    std::string active_;
};
