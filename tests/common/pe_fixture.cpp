#include "common/pe_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace orvanta::testing {

namespace {

void Put16(std::string& b, std::size_t at, std::uint32_t v) {
    if (b.size() < at + 2) {
        b.resize(at + 2, '\0');
    }
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

}  // namespace

std::string BuildPeFile(const std::string& version_block, bool wide) {
    constexpr std::uint32_t kPe = 0x40;
    constexpr std::uint32_t kRawAt = 0x200;
    constexpr std::uint32_t kRva = 0x1000;
    const std::uint32_t optional_size = wide ? 240 : 224;

    // Resource section: three directory levels, a data entry, the data.
    std::string rsrc;
    auto dir = [&](std::uint32_t at, std::uint32_t id, std::uint32_t target) {
        Put16(rsrc, at + 12, 0);  // named entries
        Put16(rsrc, at + 14, 1);  // id entries
        Put32(rsrc, at + 16, id);
        Put32(rsrc, at + 20, target);
    };
    dir(0, 16, 0x80000000u | 24);  // RT_VERSION
    dir(24, 1, 0x80000000u | 48);  // name 1
    dir(48, 0x409, 72);            // language, then the data entry
    Put32(rsrc, 72, kRva + 96);    // data RVA
    Put32(rsrc, 76, static_cast<std::uint32_t>(version_block.size()));
    rsrc.resize(96, '\0');
    rsrc += version_block;
    while (rsrc.size() % 0x200 != 0) {
        rsrc.push_back('\0');
    }

    std::string b(kRawAt, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, kPe);
    b.replace(kPe, 4, std::string("PE\0\0", 4));
    Put16(b, kPe + 4, wide ? 0x8664 : 0x14C);
    Put16(b, kPe + 6, 1);  // one section
    Put16(b, kPe + 20, optional_size);
    Put16(b, kPe + 22, 0x0102);
    const std::uint32_t opt = kPe + 24;
    Put16(b, opt, wide ? 0x20B : 0x10B);
    const std::uint32_t dirs = wide ? 112 : 96;
    Put32(b, opt + dirs - 4, 16);  // number of data directories
    Put32(b, opt + dirs + 2 * 8, kRva);
    Put32(b, opt + dirs + 2 * 8 + 4, static_cast<std::uint32_t>(rsrc.size()));
    const std::uint32_t section = opt + optional_size;
    b.replace(section, 5, ".rsrc");
    Put32(b, section + 8, static_cast<std::uint32_t>(rsrc.size()));
    Put32(b, section + 12, kRva);
    Put32(b, section + 16, static_cast<std::uint32_t>(rsrc.size()));
    Put32(b, section + 20, kRawAt);
    b.resize(kRawAt, '\0');
    return b + rsrc;
}

std::string BuildVersionResource(const VersionSpec& fields) {
    const VersionBlob blob = BuildVersionBlob(fields);
    return std::string(reinterpret_cast<const char*>(blob.bytes), blob.size);
}

std::string BuildVersionedPe(const std::string& file_version, const std::string& legal_copyright) {
    VersionSpec fields;
    std::istringstream parts(file_version);
    std::string part;
    for (int i = 0; i < 4 && std::getline(parts, part, '.'); ++i) {
        fields.file_version[i] =
            static_cast<std::uint16_t>(std::strtoul(part.c_str(), nullptr, 10));
    }
    fields.strings[0] = "Orvanta Software";
    fields.strings[2] = file_version.c_str();
    fields.strings[4] = legal_copyright.c_str();
    fields.strings[7] = "Orvanta";
    return BuildPeFile(BuildVersionResource(fields));
}

}  // namespace orvanta::testing
