// PE resource directories and the VS_VERSIONINFO tree: nodes of length, value length, type, UTF-16
// key and value, with every part aligned to four bytes from the start of the block.
#include "services/platform/VersionResource.h"

#include "common/Cp932.h"
#include "services/platform/LittleEndian.h"
#include "services/platform/Utf16Text.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000;

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

class PeImage {
public:
    explicit PeImage(std::string_view bytes) : bytes_(bytes) {}

    // The resource directory's file offset, after reading the headers; nothing for other files.
    std::optional<std::size_t> resourceDirectory() {
        using namespace little_endian;
        std::uint16_t mz = 0, sectionCount = 0, optionalSize = 0, magic = 0;
        std::uint32_t peOffset = 0, signature = 0;
        if (!read16(bytes_, 0, mz) || mz != 0x5A4D || !read32(bytes_, 0x3C, peOffset) ||
            !read32(bytes_, peOffset, signature) || signature != 0x00004550) {
            return std::nullopt;
        }
        std::size_t coff = std::size_t{peOffset} + 4;
        std::size_t optional = coff + 20;
        if (!read16(bytes_, coff + 2, sectionCount) || !read16(bytes_, coff + 16, optionalSize) ||
            !read16(bytes_, optional, magic)) {
            return std::nullopt;
        }
        std::size_t countAt = magic == 0x20B ? optional + 108 : optional + 92;
        std::size_t directoriesAt = magic == 0x20B ? optional + 112 : optional + 96;
        if (magic != 0x10B && magic != 0x20B) {
            return std::nullopt;
        }
        std::uint32_t directoryCount = 0, resourceRva = 0;
        if (!read32(bytes_, countAt, directoryCount) || directoryCount < 3 ||
            !read32(bytes_, directoriesAt + 2 * 8, resourceRva) || resourceRva == 0) {
            return std::nullopt;
        }
        std::size_t table = optional + optionalSize;
        for (std::size_t i = 0; i < sectionCount; ++i) {
            std::size_t at = table + i * 40;
            Section s{};
            if (!read32(bytes_, at + 8, s.virtualSize) ||
                !read32(bytes_, at + 12, s.virtualAddress) || !read32(bytes_, at + 16, s.rawSize) ||
                !read32(bytes_, at + 20, s.rawOffset)) {
                return std::nullopt;
            }
            sections_.push_back(s);
        }
        return fileOffset(resourceRva);
    }

    std::optional<std::size_t> fileOffset(std::uint32_t rva) const {
        for (const Section& s : sections_) {
            std::uint64_t span = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva - s.virtualAddress < span) {
                std::uint64_t offset = std::uint64_t{s.rawOffset} + (rva - s.virtualAddress);
                if (rva - s.virtualAddress < s.rawSize && offset < bytes_.size()) {
                    return static_cast<std::size_t>(offset);
                }
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    // The entry of a resource directory with the given id, or its first entry when id is null;
    // the value is the entry's OffsetToData.
    std::optional<std::uint32_t> entry(std::size_t directory, const std::uint32_t* id) const {
        using namespace little_endian;
        std::uint16_t named = 0, ids = 0;
        if (!read16(bytes_, directory + 12, named) || !read16(bytes_, directory + 14, ids)) {
            return std::nullopt;
        }
        std::size_t count = std::size_t{named} + ids;
        for (std::size_t i = 0; i < count; ++i) {
            std::uint32_t name = 0, data = 0;
            if (!read32(bytes_, directory + 16 + i * 8, name) ||
                !read32(bytes_, directory + 20 + i * 8, data)) {
                return std::nullopt;
            }
            if (!id || name == *id) {
                return data;
            }
        }
        return std::nullopt;
    }

    std::string_view bytes() const { return bytes_; }

private:
    std::string_view bytes_;
    std::vector<Section> sections_;
};

std::size_t align4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

// One node of the version tree, found at offset inside [0, limit) of the block.
struct Node {
    std::size_t end = 0;
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
    std::string key;
    std::size_t valueAt = 0;
    std::size_t childrenAt = 0;
};

std::optional<Node> readNode(std::string_view block, std::size_t at, std::size_t limit) {
    std::uint16_t length = 0;
    Node node;
    if (!little_endian::read16(block, at, length) || length < 6 || length > limit - at ||
        !little_endian::read16(block, at + 2, node.valueLength) ||
        !little_endian::read16(block, at + 4, node.type)) {
        return std::nullopt;
    }
    node.end = at + length;
    std::u16string key;
    std::size_t pos = at + 6;
    for (;; pos += 2) {
        std::uint16_t c = 0;
        if (pos + 2 > node.end || !little_endian::read16(block, pos, c)) {
            return std::nullopt;
        }
        if (c == 0) {
            break;
        }
        key.push_back(static_cast<char16_t>(c));
    }
    node.key = utf16_text::toCp932(key);
    node.valueAt = std::min(align4(pos + 2), node.end);
    std::size_t valueBytes = node.type == 1 ? std::size_t{node.valueLength} * 2 : node.valueLength;
    node.childrenAt = std::min(align4(node.valueAt + valueBytes), node.end);
    return node;
}

std::string node(const std::string& key, std::uint16_t type, std::uint16_t valueLength,
                 const std::string& value, const std::vector<std::string>& children) {
    std::string out(6, '\0');
    out += utf16_text::toLittleEndian(utf16_text::fromCp932(key));
    out.append(2, '\0');
    out.resize(align4(out.size()), '\0');
    out += value;
    for (const std::string& child : children) {
        out.resize(align4(out.size()), '\0');
        out += child;
    }
    out[0] = static_cast<char>(out.size() & 0xFF);
    out[1] = static_cast<char>((out.size() >> 8) & 0xFF);
    out[2] = static_cast<char>(valueLength & 0xFF);
    out[3] = static_cast<char>(valueLength >> 8);
    out[4] = static_cast<char>(type);
    return out;
}

} // namespace

std::string VersionResource::extractFromPe(std::string_view fileBytes) {
    PeImage image(fileBytes);
    auto root = image.resourceDirectory();
    if (!root) {
        return {};
    }
    const std::uint32_t version = kRtVersion;
    std::size_t directory = *root;
    std::optional<std::uint32_t> data = image.entry(directory, &version);
    // Type, then name, then language: the first two levels lead to directories, the last to data.
    for (int level = 0; level < 2; ++level) {
        if (!data || !(*data & kSubdirectoryBit)) {
            return {};
        }
        directory = *root + (*data & ~kSubdirectoryBit);
        data = image.entry(directory, nullptr);
    }
    if (!data || (*data & kSubdirectoryBit)) {
        return {};
    }
    std::uint32_t rva = 0, size = 0;
    std::size_t dataEntry = *root + *data;
    if (!little_endian::read32(fileBytes, dataEntry, rva) ||
        !little_endian::read32(fileBytes, dataEntry + 4, size)) {
        return {};
    }
    auto offset = image.fileOffset(rva);
    if (!offset || size > fileBytes.size() - *offset) {
        return {};
    }
    return std::string(fileBytes.substr(*offset, size));
}

std::string
VersionResource::build(const std::string& fileVersion, const std::string& translation,
                       const std::vector<std::pair<std::string, std::string>>& strings) {
    std::uint32_t parts[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 4 && start <= fileVersion.size(); ++i) {
        std::size_t dot = fileVersion.find('.', start);
        parts[i] = static_cast<std::uint32_t>(
            std::strtoul(fileVersion.substr(start, dot - start).c_str(), nullptr, 10) & 0xFFFF);
        start = dot == std::string::npos ? fileVersion.size() + 1 : dot + 1;
    }
    std::string fixed;
    little_endian::put32(fixed, 0xFEEF04BD);  // signature
    little_endian::put32(fixed, 0x00010000);  // structure version
    for (int twice = 0; twice < 2; ++twice) { // file version, then product version
        little_endian::put32(fixed, (parts[0] << 16) | parts[1]);
        little_endian::put32(fixed, (parts[2] << 16) | parts[3]);
    }
    little_endian::put32(fixed, 0x3F);    // flags mask
    little_endian::put32(fixed, 0);       // flags
    little_endian::put32(fixed, 0x40004); // VOS_NT_WINDOWS32
    little_endian::put32(fixed, 1);       // VFT_APP
    little_endian::put32(fixed, 0);       // subtype
    little_endian::put32(fixed, 0);       // date
    little_endian::put32(fixed, 0);

    std::vector<std::string> table;
    for (const auto& [name, text] : strings) {
        std::u16string value = utf16_text::fromCp932(text);
        table.push_back(node(name, 1, static_cast<std::uint16_t>(value.size() + 1),
                             utf16_text::toLittleEndian(value) + std::string(2, '\0'), {}));
    }
    std::string translationValue;
    unsigned long code = std::strtoul(translation.c_str(), nullptr, 16);
    little_endian::put16(translationValue, static_cast<std::uint16_t>(code >> 16));
    little_endian::put16(translationValue, static_cast<std::uint16_t>(code & 0xFFFF));

    std::string stringFileInfo =
        node("StringFileInfo", 1, 0, {}, {node(translation, 1, 0, {}, table)});
    std::string varFileInfo =
        node("VarFileInfo", 1, 0, {}, {node("Translation", 0, 4, translationValue, {})});
    return node("VS_VERSION_INFO", 0, static_cast<std::uint16_t>(fixed.size()), fixed,
                {stringFileInfo, varFileInfo});
}

std::optional<std::string> VersionResource::queryString(std::string_view block,
                                                        std::string_view subBlock) {
    auto current = readNode(block, 0, block.size());
    if (!current) {
        return std::nullopt;
    }
    bool descended = false;
    std::size_t start = 0;
    while (start < subBlock.size()) {
        std::size_t slash = subBlock.find('\\', start);
        std::string_view part = subBlock.substr(start, slash - start);
        start = slash == std::string_view::npos ? subBlock.size() : slash + 1;
        if (part.empty()) {
            continue;
        }
        std::optional<Node> found;
        for (std::size_t pos = current->childrenAt; pos + 6 <= current->end;) {
            auto child = readNode(block, pos, current->end);
            if (!child) {
                break;
            }
            if (cp932::equalsNoCase(child->key, part)) {
                found = child;
                break;
            }
            pos = align4(child->end);
        }
        if (!found) {
            return std::nullopt;
        }
        current = found;
        descended = true;
    }
    // Only a leaf of text is a string; a table or a block of tables is not.
    if (!descended || current->type != 1 || current->childrenAt < current->end) {
        return std::nullopt;
    }
    std::u16string text;
    if (current->valueLength > 0) {
        for (std::size_t pos = current->valueAt; pos + 2 <= current->end; pos += 2) {
            std::uint16_t c = 0;
            little_endian::read16(block, pos, c);
            if (c == 0) {
                break;
            }
            text.push_back(static_cast<char16_t>(c));
        }
    }
    return utf16_text::toCp932(text);
}
