// The version block of our own Linux program: an ELF section found by its
// name, which the section holding the names gives. Only little-endian files
// carry the section.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/byte_reader.h"
#include "core/update/version_block.h"
#include "core/update/version_info.h"

namespace orvanta {

namespace {

constexpr std::uint32_t kMaxSections = 4096;
constexpr std::uint32_t kExtendedNamesIndex = 0xFFFF;  // SHN_XINDEX
constexpr std::string_view kElfMagic = "\177ELF";

// The file header, as far as the section table goes.
struct ElfHeader {
    bool is64 = false;
    std::uint64_t section_table_at = 0;
    std::uint16_t section_entry_size = 0;
    std::uint32_t section_count = 0;
    std::uint32_t names_index = 0;

    // The part of a section header that is read.
    std::size_t SectionHeaderSize() const { return is64 ? 64 : 40; }
};

struct ElfSection {
    std::uint32_t name = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

std::optional<ElfHeader> ReadElfHeader(const ProgramBytes& file) {
    auto bytes = file.Read(0, 64);
    if (!bytes) {
        bytes = file.Read(0, 52);
    }
    if (!bytes || bytes->compare(0, 4, kElfMagic) != 0 || (*bytes)[5] != 1) {
        return std::nullopt;
    }
    ElfHeader header;
    header.is64 = (*bytes)[4] == 2;
    if ((!header.is64 && (*bytes)[4] != 1) || (header.is64 && bytes->size() < 64)) {
        return std::nullopt;
    }
    ByteReader r(*bytes);
    if (header.is64) {
        r.Seek(0x28);
        header.section_table_at = r.U64();
        r.Seek(0x3A);
    } else {
        r.Seek(0x20);
        header.section_table_at = r.U32();
        r.Seek(0x2E);
    }
    header.section_entry_size = r.U16();
    header.section_count = r.U16();
    header.names_index = r.U16();
    if (header.section_table_at == 0 || header.section_entry_size < header.SectionHeaderSize()) {
        return std::nullopt;
    }
    return header;
}

std::optional<ElfSection> ReadElfSection(const ProgramBytes& file, const ElfHeader& header,
                                         std::uint32_t index) {
    const auto bytes =
        file.Read(header.section_table_at + std::uint64_t{index} * header.section_entry_size,
                  header.SectionHeaderSize());
    if (!bytes) {
        return std::nullopt;
    }
    ByteReader r(*bytes);
    ElfSection section;
    section.name = r.U32();
    if (header.is64) {
        r.Seek(0x18);
        section.offset = r.U64();
        section.size = r.U64();
    } else {
        r.Seek(0x10);
        section.offset = r.U32();
        section.size = r.U32();
    }
    section.link = r.U32();
    return section;
}

// A file of very many sections keeps their count, or the index of the names'
// section, in section 0. False when that section cannot be read.
bool ReadExtendedNumbering(const ProgramBytes& file, ElfHeader& header) {
    if (header.section_count != 0 && header.names_index != kExtendedNamesIndex) {
        return true;
    }
    const auto zero = ReadElfSection(file, header, 0);
    if (!zero) {
        return false;
    }
    if (header.section_count == 0) {
        header.section_count =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(zero->size, kMaxSections));
    }
    if (header.names_index == kExtendedNamesIndex) {
        header.names_index = zero->link;
    }
    return true;
}

// Whether the names' section gives `section` the name `wanted`.
bool IsNamed(const ProgramBytes& file, const ElfSection& names, const ElfSection& section,
             const std::string& wanted) {
    if (section.name >= names.size) {
        return false;
    }
    const std::uint64_t room = names.size - section.name;
    const auto name =
        file.Read(names.offset + section.name,
                  static_cast<std::size_t>(std::min<std::uint64_t>(wanted.size() + 1, room)));
    return name && name->size() == wanted.size() + 1 &&
           name->compare(0, wanted.size(), wanted) == 0 && name->back() == '\0';
}

}  // namespace

std::optional<std::string> FindElfVersionBlock(const ProgramBytes& file) {
    auto header = ReadElfHeader(file);
    if (!header || !ReadExtendedNumbering(file, *header)) {
        return std::nullopt;
    }
    header->section_count = std::min(header->section_count, kMaxSections);
    const auto names = ReadElfSection(file, *header, header->names_index);
    if (!names || header->names_index >= header->section_count) {
        return std::nullopt;
    }
    const std::string wanted = kVersionSectionName;
    for (std::uint32_t i = 0; i < header->section_count; ++i) {
        const auto section = ReadElfSection(file, *header, i);
        if (!section) {
            return std::nullopt;
        }
        if (IsNamed(file, *names, *section, wanted)) {
            return file.Read(section->offset, static_cast<std::size_t>(std::min<std::uint64_t>(
                                                  section->size, kMaxVersionBlock)));
        }
    }
    return std::nullopt;
}

}  // namespace orvanta
