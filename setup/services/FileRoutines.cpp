// File and folder routines over the platform's file calls.
#include "services/FileRoutines.h"

#include "services/ComponentRegistration.h"
#include "services/MbcsText.h"
#include "services/PathText.h"
#include "services/platform/Win32Codes.h"

bool FileExists(SetupContext& context, const std::string& path) {
    std::uint32_t attributes = context.platform.getFileAttributes(path);
    return attributes != file_attribute::Invalid && !(attributes & file_attribute::Directory);
}

bool FolderExists(SetupContext& context, const std::string& folder) {
    return !context.platform.findFiles(RemoveBackslash(folder, "B") + "\\*.*").empty();
}

bool MakeFolders(SetupContext& context, const std::string& path) {
    const std::string full = AddBackslash(path, "B");
    bool result = true;
    // Each prefix ends at the next "\": C:\, C:\A\, C:\A\B\ for C:\A\B\.
    for (std::size_t end = 0;;) {
        int next = MbcsPos("\\", std::string_view(full).substr(end));
        if (next == 0) {
            return result;
        }
        end += static_cast<std::size_t>(next);
        std::string prefix = full.substr(0, end);
        if (!FolderExists(context, prefix)) {
            result = context.platform.createDirectory(prefix);
        }
    }
}

std::uint32_t CopyFileOverwrite(SetupContext& context, const std::string& source,
                                const std::string& destination) {
    Platform& platform = context.platform;
    if (FileExists(context, destination)) {
        platform.setFileAttributes(destination, file_attribute::Archive);
    }
    bool copied = platform.copyFile(source, destination, false);
    std::uint32_t error = platform.lastError();
    if (FileExists(context, destination)) {
        platform.setFileAttributes(destination, file_attribute::Archive);
    }
    if (copied) {
        return win32_error::Success;
    }
    return error != 0 ? error : win32_error::InvalidFunction;
}

std::uint32_t DeleteFileSilent(SetupContext& context, const std::string& path) {
    if (!FileExists(context, path) && MbcsPos("*", path) == 0) {
        return win32_error::FileNotFound;
    }
    if (IsComponentFile(path)) {
        RegisterComponent(context, path, false);
    }
    return context.platform.shellDelete(path);
}

std::uint32_t RemoveFolderWithFiles(SetupContext& context, const std::string& folder,
                                    const std::string& names) {
    const std::string base = AddBackslash(folder, "B");
    std::string rest = names;
    while (!rest.empty()) {
        int bar = MbcsPos("|", rest);
        std::string item = bar > 0 ? LeftStr(rest, bar - 1) : rest;
        rest = bar > 0 ? MidStr(rest, bar + 1) : std::string();
        if (!item.empty()) {
            DeleteFileSilent(context, base + item);
        }
    }
    if (context.platform.removeDirectory(base)) {
        return win32_error::Success;
    }
    return context.platform.lastError();
}
