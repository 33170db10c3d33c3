// Expansion through the platform's LZ calls.
#include "services/CompressedFiles.h"

#include "services/FileRoutines.h"
#include "services/MbcsText.h"
#include "services/PathText.h"

std::string ExpandCompressedFile(SetupContext& context, const std::string& source,
                                 const std::string& requestedDestination) {
    Platform& platform = context.platform;
    std::string destination = requestedDestination;
    if (ExtractFileName(requestedDestination) == "AUTO.EXT") {
        std::string expanded;
        if (!platform.getExpandedName(source, expanded)) {
            expanded = source;
        }
        destination = RemoveBackslash(ExtractFilePath(requestedDestination), "B") + "\\" +
                      MapStringCase(ExtractFileName(expanded), kMapUpperCase);
    }
    const std::string temporary = context.values.temporaryFolder + "EXPAND.BST";
    if (FileExists(context, temporary)) {
        DeleteFileSilent(context, temporary);
    }
    platform.lzExpand(source, temporary);
    return temporary + "," + destination;
}
