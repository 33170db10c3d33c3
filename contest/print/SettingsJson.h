// The master and contest settings as UTF-8 JSON, for scripts and regression checks.
#pragma once

#include "app/MasterSettings.h"
#include "document/ContestSettings.h"

#include <string>

namespace settings_json {

// {"master": {ini key: value...}, "contest": {member: value...}}; each rule an object (or an array of
// three for the three-part rules) with the members that apply to it.
std::string write(const MasterSettings& master, const ContestSettings& contest);

} // namespace settings_json
