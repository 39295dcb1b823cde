// The version block of a Windows program: the PE headers lead to the
// resource directory, whose three levels (type, name, language) lead to the
// block's address in memory, which the section table turns into a place in
// the file.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "core/base/byte_reader.h"
#include "core/update/version_block.h"

namespace orvanta {

namespace {

constexpr std::uint32_t kMaxSections = 4096;
constexpr std::uint32_t kMaxResourceEntries = 4096;
constexpr std::uint32_t kVersionResourceType = 16;  // RT_VERSION
constexpr std::size_t kSectionHeaderSize = 40;

// The file header that follows "PE\0\0", as far as the version needs it.
struct PeHeaders {
    std::uint64_t optional_header_at = 0;
    std::uint16_t section_count = 0;
    std::uint16_t optional_header_size = 0;
};

std::optional<PeHeaders> ReadPeHeaders(const ProgramBytes& file) {
    const auto dos = file.Read(0, 64);
    if (!dos || (*dos)[0] != 'M' || (*dos)[1] != 'Z') {
        return std::nullopt;
    }
    ByteReader dos_header(*dos);
    dos_header.Skip(0x3C);
    const std::uint32_t pe = dos_header.U32();
    const auto coff = file.Read(pe, 24);
    if (!coff || coff->compare(0, 4, std::string("PE\0\0", 4)) != 0) {
        return std::nullopt;
    }
    ByteReader r(*coff);
    PeHeaders headers;
    r.Skip(6);
    headers.section_count = r.U16();
    r.Skip(12);
    headers.optional_header_size = r.U16();
    headers.optional_header_at = std::uint64_t{pe} + 24;
    return headers;
}

// Where the resources lie in memory, from the optional header's data
// directories (the resource table is the third); nothing when it has none.
std::optional<std::uint32_t> ResourceDirectoryAddress(const ProgramBytes& file,
                                                      const PeHeaders& headers) {
    const auto optional_header =
        file.Read(headers.optional_header_at, headers.optional_header_size);
    if (!optional_header || headers.optional_header_size < 2) {
        return std::nullopt;
    }
    ByteReader r(*optional_header);
    const std::uint16_t magic = r.U16();
    const std::size_t directories = magic == 0x20B ? 112 : magic == 0x10B ? 96 : 0;
    if (directories == 0 || optional_header->size() < directories) {
        return std::nullopt;
    }
    r.Seek(directories - 4);
    const std::uint32_t directory_count = r.U32();
    if (directory_count < 3 || optional_header->size() < directories + 3 * 8) {
        return std::nullopt;
    }
    r.Skip(2 * 8);
    const std::uint32_t address = r.U32();
    if (address == 0) {
        return std::nullopt;
    }
    return address;
}

// The section table, which places addresses in memory in the file.
class PeSections {
public:
    static std::optional<PeSections> Read(const ProgramBytes& file, const PeHeaders& headers) {
        if (headers.section_count == 0 || headers.section_count > kMaxSections) {
            return std::nullopt;
        }
        auto table = file.Read(headers.optional_header_at + headers.optional_header_size,
                               std::size_t{headers.section_count} * kSectionHeaderSize);
        if (!table) {
            return std::nullopt;
        }
        return PeSections(std::move(*table));
    }

    // Where `need` bytes at `address` lie in the file, when one section holds
    // them all.
    std::optional<std::uint64_t> FileOffset(std::uint32_t address, std::uint32_t need) const {
        ByteReader table(m_table);
        while (table.Left() > 0) {
            ByteReader section(table.Bytes(kSectionHeaderSize));
            section.Skip(12);
            const std::uint32_t virtual_address = section.U32();
            const std::uint32_t raw_size = section.U32();
            const std::uint32_t raw_at = section.U32();
            if (address >= virtual_address &&
                std::uint64_t{address} - virtual_address + need <= raw_size) {
                return std::uint64_t{raw_at} + (address - virtual_address);
            }
        }
        return std::nullopt;
    }

private:
    explicit PeSections(std::string table) : m_table(std::move(table)) {}

    std::string m_table;
};

// The entry taken at one level of the resource directory (the version type at
// the top, the first entry below), as an offset from the directory's start:
// a subdirectory above the last level, the data entry at it.
std::optional<std::uint32_t> ChooseResourceEntry(const ProgramBytes& file, std::uint64_t at,
                                                 int level) {
    const auto directory = file.Read(at, 16);
    if (!directory) {
        return std::nullopt;
    }
    ByteReader r(*directory);
    r.Skip(12);
    const std::uint32_t named = r.U16();
    const std::uint32_t entries = named + r.U16();
    if (entries == 0 || entries > kMaxResourceEntries) {
        return std::nullopt;
    }
    const auto list = file.Read(at + 16, std::size_t{entries} * 8);
    if (!list) {
        return std::nullopt;
    }
    ByteReader entry(*list);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint32_t name = entry.U32();
        const std::uint32_t target = entry.U32();
        if (level > 0 || name == kVersionResourceType) {
            const bool is_directory = (target & 0x80000000u) != 0;
            if (is_directory != (level < 2)) {
                return std::nullopt;
            }
            return target & 0x7FFFFFFFu;
        }
    }
    return std::nullopt;
}

// Where the data entry of the first version resource lies in the file.
std::optional<std::uint64_t> FindVersionDataEntry(const ProgramBytes& file,
                                                  std::uint64_t directory_at) {
    std::uint64_t at = directory_at;
    for (int level = 0; level < 3; ++level) {
        const auto target = ChooseResourceEntry(file, at, level);
        if (!target) {
            return std::nullopt;
        }
        at = directory_at + *target;
    }
    return at;
}

std::optional<std::string> ReadResourceData(const ProgramBytes& file, const PeSections& sections,
                                            std::uint64_t data_entry_at) {
    const auto data_entry = file.Read(data_entry_at, 16);
    if (!data_entry) {
        return std::nullopt;
    }
    ByteReader r(*data_entry);
    const std::uint32_t address = r.U32();
    const std::uint32_t size = std::min<std::uint32_t>(r.U32(), kMaxVersionBlock);
    const auto at = sections.FileOffset(address, size);
    if (!at) {
        return std::nullopt;
    }
    return file.Read(*at, size);
}

}  // namespace

std::optional<std::string> FindPeVersionBlock(const ProgramBytes& file) {
    const auto headers = ReadPeHeaders(file);
    if (!headers) {
        return std::nullopt;
    }
    const auto directory_address = ResourceDirectoryAddress(file, *headers);
    if (!directory_address) {
        return std::nullopt;
    }
    const auto sections = PeSections::Read(file, *headers);
    if (!sections) {
        return std::nullopt;
    }
    const auto directory_at = sections->FileOffset(*directory_address, 16);
    if (!directory_at) {
        return std::nullopt;
    }
    const auto data_entry_at = FindVersionDataEntry(file, *directory_at);
    if (!data_entry_at) {
        return std::nullopt;
    }
    return ReadResourceData(file, *sections, *data_entry_at);
}

}  // namespace orvanta
