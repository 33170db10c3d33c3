// Path tokens replaced in the fixed order of the token table; each value kind gets its own subset.
#include "install/PathTokens.h"

#include "services/MbcsText.h"

#include <utility>

PathTokens::PathTokens(const ProcessValues& values, std::string setupFolder)
    : values_(values), setupFolder_(std::move(setupFolder)) {}

std::string PathTokens::replace(std::string_view text, Set set) const {
    const bool all = set != Set::folder;
    struct Token {
        std::string_view name;
        std::string value;
        bool used;
    };
    const Token tokens[] = {
        {"(App)", setupFolder_, all},
        {"(Prg)", values_.programFilesFolder, true},
        {"(Win)", values_.windowsFolder, true},
        {"(Sys)", values_.systemFolder, true},
        {"(Tmp)", values_.temporaryFolder, set == Set::all},
        {"(Boo)", LeftStr(values_.windowsFolder, 2) + "\\", true},
        {"(Set)", LeftStr(setupFolder_, 2) + "\\", all},
    };
    std::string out(text);
    for (const Token& token : tokens) {
        if (token.used) {
            out = ReplaceToken(out, token.name, token.value);
        }
    }
    return out;
}
