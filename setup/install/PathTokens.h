// The path tokens of setup scripts, "(App)", "(Prg)", "(Win)", "(Sys)", "(Tmp)", "(Boo)" and
// "(Set)", replaced by the folders of this run.
#pragma once

#include "services/ProcessValues.h"

#include <string>
#include <string_view>

class PathTokens {
public:
    // Which tokens a value gets: folder values only "(Prg)", "(Win)", "(Sys)" and "(Boo)";
    // registry data every token but "(Tmp)".
    enum class Set { folder, all, allButTemporary };

    // setupFolder: the folder finally chosen in the main window, ending in "\" (may be empty while
    // it is not known yet).
    PathTokens(const ProcessValues& values, std::string setupFolder);

    // Every occurrence of each token of the set, without regard to case, in the order of the
    // token table.
    std::string replace(std::string_view text, Set set = Set::all) const;

    const std::string& setupFolder() const { return setupFolder_; }

private:
    const ProcessValues& values_;
    std::string setupFolder_;
};
