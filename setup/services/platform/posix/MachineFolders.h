// The fixed folders of the emulated machine: its Windows folder and the special folders of a
// Japanese Windows below it.
#pragma once

#include <string>

namespace machine_folders {

// "C:\WINDOWS".
const std::string& windows();

// The path of a special folder id (special_folder); empty for an id the machine has no folder for.
std::string special(int id);

} // namespace machine_folders
