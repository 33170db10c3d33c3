// Cutting a CopyFile entry: options, new name or compressed source, destination and source.
#include "install/CopyFileEntry.h"

#include "common/Cp932.h"
#include "install/ScriptText.h"
#include "services/MbcsText.h"
#include "services/PathText.h"

namespace {

// True when the last character is "_", not the trail byte of a double-byte one.
bool endsWithUnderscore(std::string_view text) {
    return !text.empty() && text.back() == '_' &&
           cp932::boundaryAtOrBefore(text, text.size() - 1) == text.size() - 1;
}

} // namespace

bool CopyFileEntry::shared() const {
    return MbcsPosText("/S", options) > 0;
}

bool CopyFileEntry::registers() const {
    return MbcsPosText("/R", options) > 0;
}

CopyFileEntry CopyFileEntry::parse(std::string_view entry, const std::string& sourceFolder) {
    CopyFileEntry result;
    constexpr std::string_view kDiskChange = "(Dch)";
    if (MbcsPosText(kDiskChange, entry) == 1) {
        result.diskChange = true;
        entry.remove_prefix(kDiskChange.size());
    }
    std::string_view rest = CutAtFirst(entry, ",").head;
    result.options = std::string(entry.substr(rest.size()));

    ScriptCut newName = CutAtFirst(rest, "|");
    std::string fileName = ExtractFileName(newName.head);
    result.source = sourceFolder + fileName;
    result.compressed = endsWithUnderscore(fileName);
    if (newName.found) {
        result.destination =
            AddBackslash(ExtractFilePath(newName.head), "B") + std::string(newName.tail);
    } else if (result.compressed) {
        result.destination = AddBackslash(ExtractFilePath(newName.head), "B") + "AUTO.EXT";
    } else {
        result.destination = std::string(newName.head);
    }
    return result;
}

std::string CopyFileEntry::rawSource(std::string_view rawEntry, const std::string& sourceFolder) {
    return sourceFolder + ExtractFileName(CutAtFirst(CutAtFirst(rawEntry, ",").head, "|").head);
}
