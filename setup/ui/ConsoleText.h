// CP932 texts of the installer written to a UTF-8 console, one line per CR, LF or CR LF.
#pragma once

#include <ostream>
#include <string_view>

class ConsoleText {
public:
    // Every line of the text, each ended by "\n"; a final line break adds no empty line.
    static void print(std::ostream& out, std::string_view cp932Text);
};
