// Private-profile (ini) values of any length and the numbered key lists of setup's ini files.
#pragma once

#include "services/SetupContext.h"

#include <string>

// The value of a key, or the default; values of any length come back whole.
std::string ReadIniValue(SetupContext& context, const std::string& section, const std::string& key,
                         const std::string& defaultValue, const std::string& iniFile);

// Writes a key after flushing the ini cache of the file; true on success.
bool WriteIniValue(SetupContext& context, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& iniFile);

// What FindIniIndex compares of a list value: its part before the first ",", upper-cased.
std::string IniIndexKey(const std::string& value);

// The number n under which value belongs in the list prefix1, prefix2, ...: the entry whose part
// before its first "," equals the value's (without regard to case), else the first free number.
int FindIniIndex(SetupContext& context, const std::string& value, const std::string& section,
                 const std::string& keyPrefix, const std::string& iniFile);
