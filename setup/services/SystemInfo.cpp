// Error texts, free space and version texts through the platform.
#include "services/SystemInfo.h"

#include "common/Cp932.h"
#include "services/MbcsText.h"
#include "services/PathText.h"

#include <limits>

namespace {

constexpr std::size_t kMessageBuffer = 256;

} // namespace

std::string SystemErrorText(SetupContext& context, std::uint32_t code) {
    if (code == 0) {
        return {};
    }
    std::string text = cp932::cut(context.platform.formatMessage(code), kMessageBuffer);
    // None of these bytes can be the trail byte of a double-byte character.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) < 0x20 || text.back() == ' ' ||
                             text.back() == '.' || text.back() == 0x7F)) {
        text.pop_back();
    }
    if (text.empty()) {
        text = cp932::lit("不明なエラー (エラー コード ") + std::to_string(code) + ")";
    }
    return MapStringCase(text, kMapFullWidth) + "\r\n";
}

std::int64_t GetFreeDiskSpace(SetupContext& context, const std::string& path) {
    Platform& platform = context.platform;
    const std::string folder = AddBackslash(path, "B");
    if (platform.hasDiskFreeSpaceEx()) {
        std::uint64_t free = 0;
        if (!platform.getDiskFreeSpaceEx(folder, free)) {
            return -1;
        }
        return free > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                   ? std::numeric_limits<std::int64_t>::max()
                   : static_cast<std::int64_t>(free);
    }
    Platform::DiskGeometry geometry;
    if (!platform.getDiskFreeSpace(folder, geometry)) {
        return -1;
    }
    return static_cast<std::int64_t>(geometry.freeClusters) * geometry.sectorsPerCluster *
           geometry.bytesPerSector;
}

std::string GetFileVersionText(SetupContext& context, const std::string& programFile,
                               const std::string& suffix) {
    Platform& platform = context.platform;
    std::string block, version;
    if (!platform.getFileVersionInfo(programFile, block) || block.empty() ||
        !platform.verQueryString(block, "\\StringFileInfo\\041103a4\\FileVersion", version)) {
        return {};
    }
    // major.minor.release.build; the build keeps whatever follows the third dot.
    std::string parts[4];
    std::string rest = version;
    for (int i = 0; i < 3; ++i) {
        int dot = MbcsPos(".", rest);
        parts[i] = dot > 0 ? LeftStr(rest, dot - 1) : rest;
        rest = dot > 0 ? MidStr(rest, dot + 1) : std::string();
    }
    parts[3] = rest;
    return parts[0] + "." + parts[1] + parts[2] + suffix + "(Build:" + parts[3] + ")";
}
