// A minimal 32-bit PE file for the tests, with a resource section holding a version block (and an
// icon entry before it) or without any resources.
#pragma once

#include <cstdint>
#include <string>

inline void putAt(std::string& bytes, std::size_t offset, std::uint32_t value, int size) {
    if (bytes.size() < offset + static_cast<std::size_t>(size)) {
        bytes.resize(offset + static_cast<std::size_t>(size), '\0');
    }
    for (int i = 0; i < size; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

inline std::string peFile(const std::string& versionBlock) {
    const bool withResources = !versionBlock.empty();
    std::string pe(0x200, '\0');
    pe[0] = 'M';
    pe[1] = 'Z';
    putAt(pe, 0x3C, 0x40, 4);
    pe.replace(0x40, 4, std::string("PE\0\0", 4));
    const std::size_t coff = 0x44, optional = coff + 20, sections = optional + 224;
    putAt(pe, coff, 0x14C, 2);                     // i386
    putAt(pe, coff + 2, withResources ? 1 : 0, 2); // sections
    putAt(pe, coff + 16, 224, 2);                  // optional header size
    putAt(pe, optional, 0x10B, 2);                 // PE32
    putAt(pe, optional + 92, 16, 4);               // data directories
    if (!withResources) {
        return pe;
    }
    // Resource section: type directory (icon, then version), name and language directories, the
    // data entry and the block, at RVA 0x1000.
    std::string rsrc;
    putAt(rsrc, 0x0E, 2, 2);
    putAt(rsrc, 0x10, 3, 4);
    putAt(rsrc, 0x14, 0x80000000u | 0x20, 4);
    putAt(rsrc, 0x18, 16, 4);
    putAt(rsrc, 0x1C, 0x80000000u | 0x20, 4);
    putAt(rsrc, 0x20 + 0x0E, 1, 2);
    putAt(rsrc, 0x30, 1, 4);
    putAt(rsrc, 0x34, 0x80000000u | 0x38, 4);
    putAt(rsrc, 0x38 + 0x0E, 1, 2);
    putAt(rsrc, 0x48, 0x411, 4);
    putAt(rsrc, 0x4C, 0x50, 4);
    putAt(rsrc, 0x50, 0x1000 + 0x60, 4);
    putAt(rsrc, 0x54, static_cast<std::uint32_t>(versionBlock.size()), 4);
    rsrc.resize(0x60, '\0');
    rsrc += versionBlock;

    putAt(pe, optional + 96 + 2 * 8, 0x1000, 4);
    putAt(pe, optional + 96 + 2 * 8 + 4, static_cast<std::uint32_t>(rsrc.size()), 4);
    pe.replace(sections, 6, ".rsrc\0", 6);
    putAt(pe, sections + 8, static_cast<std::uint32_t>(rsrc.size()), 4);
    putAt(pe, sections + 12, 0x1000, 4);
    putAt(pe, sections + 16, static_cast<std::uint32_t>(rsrc.size()), 4);
    putAt(pe, sections + 20, 0x200, 4);
    return pe + rsrc;
}
