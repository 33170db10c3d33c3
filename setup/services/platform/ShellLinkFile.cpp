// Shell link binary format: a 76-byte header, an optional item id list, the link info structure
// with the local base path, string data, and extra data blocks ended by a terminal block.
#include "services/platform/ShellLinkFile.h"

#include "services/platform/LittleEndian.h"
#include "services/platform/Utf16Text.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
constexpr char kLinkClsid[16] = {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, static_cast<char>(0xC0),
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Link flags.
constexpr std::uint32_t kHasLinkTargetIdList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;
constexpr std::uint32_t kIsUnicode = 0x80;

// Link info flags.
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x01;

constexpr std::uint32_t kLinkInfoHeaderWithUnicode = 0x24;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kShowNormal = 1;

void putStringData(std::string& out, const std::string& cp932Text) {
    std::u16string text = utf16_text::fromCp932(cp932Text);
    if (text.size() > 0xFFFF) {
        text.resize(0xFFFF);
    }
    little_endian::put16(out, static_cast<std::uint16_t>(text.size()));
    out += utf16_text::toLittleEndian(text);
}

std::string linkInfo(const std::string& target) {
    // Volume id: size, drive type, serial number, offset of the (empty) volume label.
    std::string volume;
    little_endian::put32(volume, 0);
    little_endian::put32(volume, kDriveFixed);
    little_endian::put32(volume, 0);
    little_endian::put32(volume, 0x10);
    volume.push_back('\0');
    little_endian::set32(volume, 0, static_cast<std::uint32_t>(volume.size()));

    std::string ansiBase = target + '\0';
    std::string ansiSuffix(1, '\0');
    std::string unicodeBase =
        utf16_text::toLittleEndian(utf16_text::fromCp932(target)) + std::string(2, '\0');
    std::string unicodeSuffix(2, '\0');

    std::uint32_t volumeOffset = kLinkInfoHeaderWithUnicode;
    std::uint32_t baseOffset = volumeOffset + static_cast<std::uint32_t>(volume.size());
    std::uint32_t suffixOffset = baseOffset + static_cast<std::uint32_t>(ansiBase.size());
    std::uint32_t unicodeBaseOffset = suffixOffset + static_cast<std::uint32_t>(ansiSuffix.size());
    std::uint32_t unicodeSuffixOffset =
        unicodeBaseOffset + static_cast<std::uint32_t>(unicodeBase.size());
    std::uint32_t total = unicodeSuffixOffset + static_cast<std::uint32_t>(unicodeSuffix.size());

    std::string info;
    little_endian::put32(info, total);
    little_endian::put32(info, kLinkInfoHeaderWithUnicode);
    little_endian::put32(info, kVolumeIdAndLocalBasePath);
    little_endian::put32(info, volumeOffset);
    little_endian::put32(info, baseOffset);
    little_endian::put32(info, 0); // no network link
    little_endian::put32(info, suffixOffset);
    little_endian::put32(info, unicodeBaseOffset);
    little_endian::put32(info, unicodeSuffixOffset);
    info += volume + ansiBase + ansiSuffix + unicodeBase + unicodeSuffix;
    return info;
}

// A NUL-terminated ANSI or UTF-16 string inside [begin, end) of the bytes, as CP932.
std::optional<std::string> ansiStringAt(std::string_view bytes, std::size_t at, std::size_t end) {
    if (at >= end) {
        return std::nullopt;
    }
    std::size_t nul = bytes.find('\0', at);
    if (nul == std::string_view::npos || nul >= end) {
        return std::nullopt;
    }
    return std::string(bytes.substr(at, nul - at));
}

std::optional<std::string> unicodeStringAt(std::string_view bytes, std::size_t at,
                                           std::size_t end) {
    std::u16string text;
    for (std::size_t i = at; i + 1 < end; i += 2) {
        std::uint16_t c = 0;
        little_endian::read16(bytes, i, c);
        if (c == 0) {
            return utf16_text::toCp932(text);
        }
        text.push_back(static_cast<char16_t>(c));
    }
    return std::nullopt;
}

// The target named by a link info structure at [at, at + size).
std::optional<std::string> readLinkInfo(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t headerSize = 0, flags = 0, baseOffset = 0, suffixOffset = 0;
    if (size < 0x1C || !little_endian::read32(bytes, at + 4, headerSize) ||
        !little_endian::read32(bytes, at + 8, flags) ||
        !little_endian::read32(bytes, at + 16, baseOffset) ||
        !little_endian::read32(bytes, at + 24, suffixOffset) || headerSize > size) {
        return std::nullopt;
    }
    if (!(flags & kVolumeIdAndLocalBasePath)) {
        return std::string();
    }
    std::size_t end = at + size;
    if (headerSize >= kLinkInfoHeaderWithUnicode) {
        std::uint32_t unicodeBase = 0, unicodeSuffix = 0;
        little_endian::read32(bytes, at + 28, unicodeBase);
        little_endian::read32(bytes, at + 32, unicodeSuffix);
        auto base = unicodeStringAt(bytes, at + unicodeBase, end);
        auto suffix = unicodeStringAt(bytes, at + unicodeSuffix, end);
        if (base && suffix) {
            return *base + *suffix;
        }
    }
    auto base = ansiStringAt(bytes, at + baseOffset, end);
    auto suffix = ansiStringAt(bytes, at + suffixOffset, end);
    if (!base || !suffix) {
        return std::nullopt;
    }
    return *base + *suffix;
}

} // namespace

std::string ShellLinkFile::write(const Link& link) {
    std::uint32_t flags = kHasLinkInfo | kIsUnicode;
    if (!link.workingDirectory.empty()) {
        flags |= kHasWorkingDir;
    }
    if (!link.arguments.empty()) {
        flags |= kHasArguments;
    }
    std::string out;
    little_endian::put32(out, kHeaderSize);
    out.append(kLinkClsid, sizeof kLinkClsid);
    little_endian::put32(out, flags);
    little_endian::put32(out, link.targetAttributes);
    little_endian::put64(out, link.targetWriteTime); // creation
    little_endian::put64(out, link.targetWriteTime); // access
    little_endian::put64(out, link.targetWriteTime); // write
    little_endian::put32(out, link.targetSize);
    little_endian::put32(out, 0); // icon index
    little_endian::put32(out, kShowNormal);
    little_endian::put16(out, 0); // hot key
    out.append(10, '\0');         // reserved
    out += linkInfo(link.target);
    if (flags & kHasWorkingDir) {
        putStringData(out, link.workingDirectory);
    }
    if (flags & kHasArguments) {
        putStringData(out, link.arguments);
    }
    little_endian::put32(out, 0); // terminal block
    return out;
}

std::optional<ShellLinkFile::Link> ShellLinkFile::read(std::string_view bytes) {
    std::uint32_t headerSize = 0, flags = 0;
    if (!little_endian::read32(bytes, 0, headerSize) || headerSize != kHeaderSize ||
        bytes.size() < kHeaderSize || bytes.substr(4, 16) != std::string_view(kLinkClsid, 16) ||
        !little_endian::read32(bytes, 20, flags)) {
        return std::nullopt;
    }
    Link link;
    std::uint32_t writeLow = 0, writeHigh = 0;
    little_endian::read32(bytes, 24, link.targetAttributes);
    little_endian::read32(bytes, 44, writeLow);
    little_endian::read32(bytes, 48, writeHigh);
    link.targetWriteTime = (static_cast<std::uint64_t>(writeHigh) << 32) | writeLow;
    little_endian::read32(bytes, 52, link.targetSize);

    std::size_t pos = kHeaderSize;
    if (flags & kHasLinkTargetIdList) {
        std::uint16_t idListSize = 0;
        if (!little_endian::read16(bytes, pos, idListSize)) {
            return std::nullopt;
        }
        pos += 2 + idListSize;
    }
    if (flags & kHasLinkInfo) {
        std::uint32_t infoSize = 0;
        if (!little_endian::read32(bytes, pos, infoSize) || infoSize > bytes.size() - pos) {
            return std::nullopt;
        }
        auto target = readLinkInfo(bytes, pos, infoSize);
        if (!target) {
            return std::nullopt;
        }
        link.target = *target;
        pos += infoSize;
    }
    const bool unicode = flags & kIsUnicode;
    for (std::uint32_t field :
         {kHasName, kHasRelativePath, kHasWorkingDir, kHasArguments, kHasIconLocation}) {
        if (!(flags & field)) {
            continue;
        }
        std::uint16_t count = 0;
        if (!little_endian::read16(bytes, pos, count)) {
            return std::nullopt;
        }
        pos += 2;
        std::size_t length = unicode ? std::size_t{count} * 2 : count;
        if (length > bytes.size() - pos) {
            return std::nullopt;
        }
        std::string_view raw = bytes.substr(pos, length);
        std::string text =
            unicode ? utf16_text::toCp932(utf16_text::fromLittleEndian(raw)) : std::string(raw);
        // Some shells (Wine's among them) count the terminating NUL into the string.
        text.resize(std::min(text.size(), text.find('\0')));
        pos += length;
        if (field == kHasWorkingDir) {
            link.workingDirectory = text;
        } else if (field == kHasArguments) {
            link.arguments = text;
        }
    }
    return link;
}
