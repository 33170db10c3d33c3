// Shortcut creation through the platform's shell link call.
#include "services/Shortcuts.h"

#include "services/FileRoutines.h"
#include "services/PathText.h"

std::string CreateShortcut(SetupContext& context, const std::string& target,
                           const std::string& linkName, int specialFolderId,
                           const std::string& workingDirectory, const std::string& arguments) {
    Platform& platform = context.platform;
    std::string folder;
    if (!platform.specialFolderPath(specialFolderId, folder)) {
        return {};
    }
    std::string directory = !workingDirectory.empty() && FolderExists(context, workingDirectory)
                                ? workingDirectory
                                : ExtractFilePath(target);
    directory = AddBackslash(directory, "B");

    const std::string link = RemoveBackslash(folder, "B") + AddBackslash(linkName, "T") + ".lnk";
    const std::string linkFolder = ExtractFilePath(link);
    if (!FolderExists(context, linkFolder)) {
        MakeFolders(context, linkFolder);
    }
    platform.createShellLink(link, target, directory, arguments);
    if (FileExists(context, link)) {
        return link;
    }
    // The shell stores links to MS-DOS programs as .pif files.
    return link.substr(0, link.size() - 4) + ".pif";
}
