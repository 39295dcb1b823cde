#include "core/update/version_info.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/base/byte_reader.h"
#include "core/i18n/utf16.h"
#include "core/update/version_block.h"

namespace orvanta {

namespace {

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

// A node is its length, its value's length and type, and its key: UTF-16 up
// to a zero unit, which a damaged node may lack.
std::optional<Node> ReadNode(std::string_view b, std::size_t at, std::size_t limit) {
    if (at + 6 > limit) {
        return std::nullopt;
    }
    ByteReader r(b.substr(at, limit - at));
    const std::uint16_t length = r.U16();
    if (length < 6 || at + length > limit) {
        return std::nullopt;
    }
    Node node;
    node.start = at;
    node.end = at + length;
    node.value_length = r.U16();
    node.type = r.U16();
    const std::string_view key = Utf16LeBeforeZero(b.substr(at + 6, length - 6));
    node.key = Utf16LeToUtf8(key);
    node.value_at = Align4(at + 6 + key.size() + 2);
    return node;
}

// A string's value: UTF-16 up to a zero unit or the node's end.
std::string StringValue(std::string_view b, const Node& node) {
    if (node.value_at >= node.end) {
        return {};
    }
    return Utf16LeToUtf8(Utf16LeBeforeZero(b.substr(node.value_at, node.end - node.value_at)));
}

// The children of a node start after its value.
template <typename Visit>
void ForEachChild(std::string_view b, const Node& parent, std::size_t first_child, Visit visit) {
    std::size_t at = Align4(first_child);
    while (auto child = ReadNode(b, at, parent.end)) {
        if (!visit(*child)) {
            return;
        }
        at = Align4(child->end);
    }
}

std::optional<Node> FindChild(std::string_view b, const Node& parent, std::size_t first_child,
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

VersionInfo ReadVersionInfoFrom(const ProgramBytes& file) {
    if (auto block = FindPeVersionBlock(file)) {
        return ParseVersionResource(*block);
    }
    if (auto block = FindElfVersionBlock(file)) {
        return ParseVersionResource(*block);
    }
    return {};
}

}  // namespace

VersionInfo ParseVersionResource(std::string_view block_view) {
    VersionInfo info;
    const std::string_view block = block_view.substr(0, kMaxVersionBlock);
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
                *fields[i] = StringValue(block, *entry);
            }
        }
    }
    return info;
}

VersionInfo ReadVersionInfoFromBytes(std::string_view file_bytes) {
    return ReadVersionInfoFrom(MemoryProgramBytes(file_bytes));
}

VersionInfo ReadVersionInfo(const std::string& file_name) {
    const FileProgramBytes file(file_name);
    if (!file.IsOpen()) {
        return {};
    }
    return ReadVersionInfoFrom(file);
}

}  // namespace orvanta
