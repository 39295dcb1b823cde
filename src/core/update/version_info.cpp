#include "core/update/version_info.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/i18n/utf8.h"

namespace orvanta {

namespace {

// Every read below is bounds-checked against what is really there; these caps
// only keep a damaged header from making us walk for ever.
constexpr std::size_t kMaxBlock = 0x10000;  // wLength is 16 bits
constexpr std::uint32_t kMaxSections = 4096;
constexpr std::uint32_t kMaxResourceEntries = 4096;

std::uint16_t Le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
    return std::uint32_t{Le16(b, at)} | (std::uint32_t{Le16(b, at + 2)} << 16);
}

std::uint64_t Le64(const std::string& b, std::size_t at) {
    return std::uint64_t{Le32(b, at)} | (std::uint64_t{Le32(b, at + 4)} << 32);
}

// Random access to a file's bytes without reading it all.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Exactly `count` bytes at `offset`, or false when they are not all there.
    virtual bool Read(std::uint64_t offset, std::size_t count, std::string& out) const = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    bool Read(std::uint64_t offset, std::size_t count, std::string& out) const override {
        if (offset > m_bytes.size() || count > m_bytes.size() - offset) {
            return false;
        }
        out.assign(m_bytes.substr(static_cast<std::size_t>(offset), count));
        return true;
    }

private:
    std::string_view m_bytes;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {
        if (m_file && std::fseek(m_file.get(), 0, SEEK_END) == 0) {
            const long end = std::ftell(m_file.get());
            m_size = end > 0 ? static_cast<std::uint64_t>(end) : 0;
        }
    }
    bool IsOpen() const { return m_file != nullptr; }
    std::uint64_t Size() const override { return m_size; }
    bool Read(std::uint64_t offset, std::size_t count, std::string& out) const override {
        if (!m_file || offset > m_size || count > m_size - offset) {
            return false;
        }
        if (std::fseek(m_file.get(), static_cast<long>(offset), SEEK_SET) != 0) {
            return false;
        }
        out.assign(count, '\0');
        return std::fread(out.data(), 1, count, m_file.get()) == count;
    }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
    std::uint64_t m_size = 0;
};

// UTF-16LE code units to UTF-8, stopping at a zero unit.
std::string Utf16ToUtf8(const std::string& b, std::size_t at, std::size_t end) {
    std::string out;
    while (at + 1 < end) {
        std::uint32_t code = Le16(b, at);
        at += 2;
        if (code == 0) {
            break;
        }
        if (code >= 0xD800 && code <= 0xDBFF && at + 1 < end) {
            const std::uint32_t low = Le16(b, at);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacementCharacter;
        }
        AppendUtf8(out, code);
    }
    return out;
}

bool SameKey(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') {
            x = static_cast<char>(x - 32);
        }
        if (y >= 'a' && y <= 'z') {
            y = static_cast<char>(y - 32);
        }
        if (x != y) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

std::size_t Align4(std::size_t at) {
    return (at + 3) & ~std::size_t{3};
}

// One node of the block: [start, end) and where its value and children lie.
struct Node {
    std::size_t start = 0;
    std::size_t end = 0;
    std::uint16_t value_length = 0;
    std::uint16_t type = 0;
    std::string key;
    std::size_t value_at = 0;
};

std::optional<Node> ReadNode(const std::string& b, std::size_t at, std::size_t limit) {
    if (at + 6 > limit) {
        return std::nullopt;
    }
    Node node;
    node.start = at;
    const std::uint16_t length = Le16(b, at);
    if (length < 6 || at + length > limit) {
        return std::nullopt;
    }
    node.end = at + length;
    node.value_length = Le16(b, at + 2);
    node.type = Le16(b, at + 4);
    std::size_t p = at + 6;
    const std::size_t key_start = p;
    while (p + 1 < node.end && Le16(b, p) != 0) {
        p += 2;
    }
    node.key = Utf16ToUtf8(b, key_start, p);
    p += 2;
    node.value_at = Align4(p);
    return node;
}

// The children of a node start after its value.
template <typename Visit>
void ForEachChild(const std::string& b, const Node& parent, std::size_t first_child, Visit visit) {
    std::size_t at = Align4(first_child);
    while (auto child = ReadNode(b, at, parent.end)) {
        if (!visit(*child)) {
            return;
        }
        at = Align4(child->end);
    }
}

std::optional<Node> FindChild(const std::string& b, const Node& parent, std::size_t first_child,
                              const char* key) {
    std::optional<Node> found;
    ForEachChild(b, parent, first_child, [&](const Node& child) {
        if (SameKey(child.key, key)) {
            found = child;
            return false;
        }
        return true;
    });
    return found;
}

// The resource block of a PE file, or nothing.
std::optional<std::string> FindPeVersionBlock(const ByteSource& src) {
    std::string b;
    if (!src.Read(0, 64, b) || b[0] != 'M' || b[1] != 'Z') {
        return std::nullopt;
    }
    const std::uint32_t pe = Le32(b, 0x3C);
    if (!src.Read(pe, 24, b) || b.compare(0, 4, std::string("PE\0\0", 4)) != 0) {
        return std::nullopt;
    }
    const std::uint16_t section_count = Le16(b, 6);
    const std::uint16_t optional_size = Le16(b, 20);
    std::string opt;
    if (!src.Read(std::uint64_t{pe} + 24, optional_size, opt) || optional_size < 2) {
        return std::nullopt;
    }
    const std::uint16_t magic = Le16(opt, 0);
    const std::size_t dirs = magic == 0x20B ? 112 : magic == 0x10B ? 96 : 0;
    if (dirs == 0 || opt.size() < dirs) {
        return std::nullopt;
    }
    const std::uint32_t dir_count = Le32(opt, dirs - 4);
    if (dir_count < 3 || opt.size() < dirs + 3 * 8) {
        return std::nullopt;
    }
    const std::uint32_t rsrc_rva = Le32(opt, dirs + 2 * 8);
    if (rsrc_rva == 0 || section_count == 0 || section_count > kMaxSections) {
        return std::nullopt;
    }
    std::string sections;
    const std::uint64_t table = std::uint64_t{pe} + 24 + optional_size;
    if (!src.Read(table, std::size_t{section_count} * 40, sections)) {
        return std::nullopt;
    }
    // RVA to file offset through the section table; nothing when unmapped.
    auto to_offset = [&](std::uint32_t rva, std::uint32_t need) -> std::optional<std::uint64_t> {
        for (std::size_t i = 0; i < section_count; ++i) {
            const std::size_t s = i * 40;
            const std::uint32_t va = Le32(sections, s + 12);
            const std::uint32_t raw_size = Le32(sections, s + 16);
            const std::uint32_t raw_at = Le32(sections, s + 20);
            if (rva >= va && std::uint64_t{rva} - va + need <= raw_size) {
                return std::uint64_t{raw_at} + (rva - va);
            }
        }
        return std::nullopt;
    };
    const auto rsrc = to_offset(rsrc_rva, 16);
    if (!rsrc) {
        return std::nullopt;
    }

    // Three levels: type (RT_VERSION = 16), then the first name, then the first language.
    std::uint32_t entry_target = 0;
    std::uint64_t dir_at = *rsrc;
    for (int level = 0; level < 3; ++level) {
        std::string dir;
        if (!src.Read(dir_at, 16, dir)) {
            return std::nullopt;
        }
        const std::uint32_t entries = std::uint32_t{Le16(dir, 12)} + Le16(dir, 14);
        if (entries == 0 || entries > kMaxResourceEntries) {
            return std::nullopt;
        }
        std::string list;
        if (!src.Read(dir_at + 16, std::size_t{entries} * 8, list)) {
            return std::nullopt;
        }
        std::optional<std::uint32_t> chosen;
        for (std::uint32_t i = 0; i < entries && !chosen; ++i) {
            const std::uint32_t name = Le32(list, i * 8);
            if (level > 0 || name == 16) {
                chosen = Le32(list, i * 8 + 4);
            }
        }
        if (!chosen) {
            return std::nullopt;
        }
        const bool is_dir = (*chosen & 0x80000000u) != 0;
        if (is_dir != (level < 2)) {
            return std::nullopt;
        }
        entry_target = *chosen & 0x7FFFFFFFu;
        dir_at = *rsrc + entry_target;
    }
    std::string data_entry;
    if (!src.Read(dir_at, 16, data_entry)) {
        return std::nullopt;
    }
    const std::uint32_t data_rva = Le32(data_entry, 0);
    const std::uint32_t data_size = std::min<std::uint32_t>(Le32(data_entry, 4), kMaxBlock);
    const auto data_at = to_offset(data_rva, data_size);
    std::string block;
    if (!data_at || !src.Read(*data_at, data_size, block)) {
        return std::nullopt;
    }
    return block;
}

// Our own section of an ELF file, or nothing.
std::optional<std::string> FindElfVersionBlock(const ByteSource& src) {
    std::string h;
    if (!src.Read(0, 64, h) && !src.Read(0, 52, h)) {
        return std::nullopt;
    }
    if (h.compare(0, 4,
                  "\x7F"
                  "ELF") != 0 ||
        h[5] != 1) {
        return std::nullopt;  // only little-endian files carry our section
    }
    const bool is64 = h[4] == 2;
    if (!is64 && h[4] != 1) {
        return std::nullopt;
    }
    if (is64 && h.size() < 64) {
        return std::nullopt;
    }
    const std::uint64_t sh_off = is64 ? Le64(h, 0x28) : Le32(h, 0x20);
    const std::uint16_t sh_entsize = Le16(h, is64 ? 0x3A : 0x2E);
    std::uint32_t sh_num = Le16(h, is64 ? 0x3C : 0x30);
    std::uint32_t sh_strndx = Le16(h, is64 ? 0x3E : 0x32);
    const std::size_t min_entsize = is64 ? 64 : 40;
    if (sh_off == 0 || sh_entsize < min_entsize) {
        return std::nullopt;
    }
    struct Section {
        std::uint32_t name = 0;
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
        std::uint32_t link = 0;
    };
    auto read_section = [&](std::uint32_t index) -> std::optional<Section> {
        std::string s;
        if (!src.Read(sh_off + std::uint64_t{index} * sh_entsize, min_entsize, s)) {
            return std::nullopt;
        }
        Section sec;
        sec.name = Le32(s, 0);
        sec.offset = is64 ? Le64(s, 0x18) : Le32(s, 0x10);
        sec.size = is64 ? Le64(s, 0x20) : Le32(s, 0x14);
        sec.link = Le32(s, is64 ? 0x28 : 0x18);
        return sec;
    };
    // Extended numbering keeps the real counts in section 0.
    if (sh_num == 0 || sh_strndx == 0xFFFF) {
        const auto zero = read_section(0);
        if (!zero) {
            return std::nullopt;
        }
        if (sh_num == 0) {
            sh_num = static_cast<std::uint32_t>(std::min<std::uint64_t>(zero->size, kMaxSections));
        }
        if (sh_strndx == 0xFFFF) {
            sh_strndx = zero->link;
        }
    }
    sh_num = std::min(sh_num, kMaxSections);
    const auto names = read_section(sh_strndx);
    if (!names || sh_strndx >= sh_num) {
        return std::nullopt;
    }
    const std::string wanted = kVersionSectionName;
    for (std::uint32_t i = 0; i < sh_num; ++i) {
        const auto sec = read_section(i);
        if (!sec) {
            return std::nullopt;
        }
        std::string name;
        if (sec->name >= names->size || !src.Read(names->offset + sec->name,
                                                  static_cast<std::size_t>(std::min<std::uint64_t>(
                                                      wanted.size() + 1, names->size - sec->name)),
                                                  name)) {
            continue;
        }
        if (name.size() == wanted.size() + 1 && name.compare(0, wanted.size(), wanted) == 0 &&
            name.back() == '\0') {
            std::string block;
            const std::size_t size =
                static_cast<std::size_t>(std::min<std::uint64_t>(sec->size, kMaxBlock));
            if (src.Read(sec->offset, size, block)) {
                return block;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

VersionInfo ReadVersionInfoFrom(const ByteSource& source) {
    if (auto block = FindPeVersionBlock(source)) {
        return ParseVersionResource(*block);
    }
    if (auto block = FindElfVersionBlock(source)) {
        return ParseVersionResource(*block);
    }
    return {};
}

}  // namespace

VersionInfo ParseVersionResource(std::string_view block_view) {
    VersionInfo info;
    const std::string block(block_view.substr(0, std::min(block_view.size(), kMaxBlock)));
    const auto root = ReadNode(block, 0, block.size());
    if (!root || !SameKey(root->key, "VS_VERSION_INFO")) {
        return info;
    }
    const std::size_t after_value = root->value_at + root->value_length;
    const auto string_info = FindChild(block, *root, after_value, "StringFileInfo");
    if (!string_info) {
        return info;
    }
    const auto table = FindChild(block, *string_info, string_info->value_at, "040904E4");
    if (!table) {
        return info;
    }
    std::string* fields[10] = {
        &info.company_name,    &info.file_description, &info.file_version,      &info.internal_name,
        &info.legal_copyright, &info.legal_trademarks, &info.original_filename, &info.product_name,
        &info.product_version, &info.comments};
    for (int i = 0; i < 10; ++i) {
        if (const auto entry = FindChild(block, *table, table->value_at, kVersionStringNames[i])) {
            if (entry->value_length > 0) {
                *fields[i] = Utf16ToUtf8(block, entry->value_at, entry->end);
            }
        }
    }
    return info;
}

VersionInfo ReadVersionInfoFromBytes(std::string_view file_bytes) {
    return ReadVersionInfoFrom(MemorySource(file_bytes));
}

VersionInfo ReadVersionInfo(const std::string& file_name) {
    const FileSource source(file_name);
    if (!source.IsOpen()) {
        return {};
    }
    return ReadVersionInfoFrom(source);
}

}  // namespace orvanta
