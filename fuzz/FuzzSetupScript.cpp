// Fuzz target: any bytes as the values of a setup script. The input is split at NUL bytes into a
// key, a name and a value; every entry parser takes them apart without harm.
#include "install/CopyFileEntry.h"
#include "install/PathTokens.h"
#include "install/RegistryEntry.h"
#include "install/RelateEntry.h"
#include "install/ScriptText.h"
#include "install/ShortcutEntry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string_view takeField(std::string_view& rest) {
    std::size_t end = rest.find('\0');
    std::string_view field = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ProcessValues values = [] {
        ProcessValues v;
        v.sourceFolder = "Z:\\MEDIUM\\";
        v.temporaryFolder = "C:\\WINDOWS\\TEMP\\";
        v.windowsFolder = "C:\\WINDOWS\\";
        v.systemFolder = "C:\\WINDOWS\\SYSTEM32\\";
        v.programFilesFolder = "C:\\Program Files\\";
        return v;
    }();
    static const PathTokens tokens(values, "C:\\Program Files\\\x95\\\\");

    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view key = takeField(rest);
    const std::string_view name = takeField(rest);
    const std::string_view value = rest;

    for (auto set :
         {PathTokens::Set::folder, PathTokens::Set::all, PathTokens::Set::allButTemporary}) {
        tokens.replace(value, set);
    }
    CopyFileEntry copy = CopyFileEntry::parse(tokens.replace(value), values.sourceFolder);
    if (copy.source.rfind(values.sourceFolder, 0) != 0 ||
        (!copy.options.empty() && copy.options.front() != ',')) {
        std::abort(); // the source lies on the medium; options start at their comma
    }
    copy.shared();
    copy.registers();
    CopyFileEntry::rawSource(value, values.sourceFolder);

    auto replace = [](std::string_view text) { return tokens.replace(text); };
    ShortcutEntry::parse(key, name, replace);
    ShortcutEntry::parse(value, "Default", replace);
    RegistryEntry::parse(key, name, value, tokens);
    RelateEntry relate = RelateEntry::parse(name, tokens.replace(value));
    if (relate.defaultIcon != relate.program + "," + relate.icon) {
        std::abort();
    }
    ParseScriptNumber(value);
    return 0;
}
