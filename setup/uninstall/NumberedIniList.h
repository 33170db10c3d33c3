// One numbered ini list (prefix1, prefix2, ...) held in memory and numbered as FindIniIndex numbers
// it in the file, so a long list is numbered in one pass and written once.
#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class NumberedIniList {
public:
    // FindIniIndex's number for the value: the first number whose stored value has the same
    // IniIndexKey or an empty one; one past the end when there is none.
    int indexOf(const std::string& value) const;

    // The value under number n as a profile read gives it back (blanks around it dropped, matching
    // double quotes removed); empty for a number not written.
    std::string stored(int n) const;

    // Writes the value under n, which is at most one past the end.
    void store(int n, const std::string& value);

    // The values as written, number 1 first.
    const std::vector<std::string>& values() const { return values_; }

private:
    std::vector<std::string> values_;
    std::vector<std::string> keys_;                // IniIndexKey of each stored value
    std::unordered_map<std::string, int> firstOf_; // lowest number of each non-empty key
    std::set<int> emptyKeys_;                      // numbers whose stored key is empty
};
