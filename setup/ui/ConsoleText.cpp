// Line splitting and conversion of CP932 texts for the console.
#include "ui/ConsoleText.h"

#include "common/Cp932.h"

void ConsoleText::print(std::ostream& out, std::string_view cp932Text) {
    std::string utf8 = cp932::toUtf8(cp932Text);
    std::string_view rest = utf8;
    while (!rest.empty()) {
        std::size_t end = rest.find_first_of("\r\n");
        out << rest.substr(0, end) << '\n';
        if (end == std::string_view::npos) {
            break;
        }
        // CR LF is one line break.
        std::size_t next = rest.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        rest.remove_prefix(next);
    }
}
