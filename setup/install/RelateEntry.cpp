// Cutting a file association of the script into its fields and building its command.
#include "install/RelateEntry.h"

#include "install/ScriptText.h"
#include "services/MbcsText.h"

RelateEntry RelateEntry::parse(std::string_view name, std::string_view file) {
    RelateEntry entry;
    ScriptCut type = CutAtFirst(name, ",");
    entry.extension = std::string(type.head);
    entry.description = type.tail.empty() ? entry.extension + " File" : std::string(type.tail);

    ScriptCut verb = CutAtFirst(file, ",");
    entry.verb = std::string(verb.head);
    ScriptCut program = CutAtFirst(verb.tail, ",");
    entry.program = std::string(program.head);
    // Every field still ended by a "," is an argument; the last field is the icon.
    std::string_view rest = program.tail;
    for (ScriptCut field = CutAtFirst(rest, ","); field.found; field = CutAtFirst(rest, ",")) {
        if (!field.head.empty()) {
            entry.arguments.emplace_back(field.head);
        }
        rest = field.tail;
    }
    entry.icon = std::string(rest);

    const bool blank = MbcsPos(" ", entry.program) > 0;
    entry.command = blank ? "\"" + entry.program + "\"" : entry.program;
    for (const std::string& argument : entry.arguments) {
        entry.command += " " + argument;
    }
    entry.defaultIcon = entry.program + "," + entry.icon;
    return entry;
}
