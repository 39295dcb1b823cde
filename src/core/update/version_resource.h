#pragma once

// Builds a VS_VERSIONINFO block: the fixed file info with the four-number file
// and product versions, one "StringFileInfo\040904E4" table with the ten
// strings, and a "VarFileInfo\Translation" entry. The builder is constexpr so
// that the program's own block is made at compile time from the configured
// fields and placed in its ELF section; tests call it at run time to make PE
// fixtures.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/i18n/utf16.h"
#include "core/update/version_info.h"

namespace orvanta {

struct VersionSpec {
    std::uint16_t file_version[4] = {0, 0, 0, 0};
    std::uint16_t product_version[4] = {0, 0, 0, 0};
    // UTF-8, in the order of VersionInfo; nullptr or "" leaves a string out.
    const char* strings[10] = {};
};

struct VersionBlob {
    static constexpr std::size_t kCapacity = 8192;
    unsigned char bytes[kCapacity] = {};
    std::size_t size = 0;
    bool overflow = false;
};

namespace version_detail {

class Writer {
public:
    constexpr explicit Writer(VersionBlob& blob) : m_blob(blob) {}

    constexpr std::size_t Pos() const { return m_blob.size; }
    constexpr void Byte(unsigned value) {
        if (m_blob.size < VersionBlob::kCapacity) {
            m_blob.bytes[m_blob.size++] = static_cast<unsigned char>(value & 0xFF);
        } else {
            m_blob.overflow = true;
        }
    }
    constexpr void Word(unsigned value) {
        Byte(value);
        Byte(value >> 8);
    }
    constexpr void Dword(std::uint32_t value) {
        Word(value & 0xFFFF);
        Word(value >> 16);
    }
    constexpr void Align4() {
        while (m_blob.size % 4 != 0) {
            Byte(0);
        }
    }
    constexpr void PatchWord(std::size_t at, unsigned value) {
        if (at + 1 < VersionBlob::kCapacity) {
            m_blob.bytes[at] = static_cast<unsigned char>(value & 0xFF);
            m_blob.bytes[at + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
        }
    }
    // UTF-8 in, UTF-16LE out with a terminating zero; answers the code units
    // written, the zero included.
    constexpr unsigned Utf16(const char* text) {
        unsigned units = 0;
        ForEachUtf16Unit(text ? std::string_view(text) : std::string_view(), [&](char16_t unit) {
            Word(unit);
            ++units;
        });
        Word(0);
        return units + 1;
    }
    // Opens a node: wLength (patched by Close), wValueLength, wType, key, padding.
    constexpr std::size_t Open(unsigned value_length, unsigned type, const char* key) {
        Align4();
        const std::size_t start = Pos();
        Word(0);
        Word(value_length);
        Word(type);
        Utf16(key);
        Align4();
        return start;
    }
    constexpr void Close(std::size_t start) {
        PatchWord(start, static_cast<unsigned>(Pos() - start));
    }

private:
    VersionBlob& m_blob;
};

// VS_FIXEDFILEINFO: the four-number versions of the file and the product.
constexpr void WriteFixedFileInfo(Writer& w, const VersionSpec& fields) {
    w.Dword(0xFEEF04BDu);
    w.Dword(0x00010000u);
    w.Dword((std::uint32_t{fields.file_version[0]} << 16) | fields.file_version[1]);
    w.Dword((std::uint32_t{fields.file_version[2]} << 16) | fields.file_version[3]);
    w.Dword((std::uint32_t{fields.product_version[0]} << 16) | fields.product_version[1]);
    w.Dword((std::uint32_t{fields.product_version[2]} << 16) | fields.product_version[3]);
    w.Dword(0x3Fu);        // file flags mask
    w.Dword(0);            // file flags
    w.Dword(0x00040004u);  // VOS_NT_WINDOWS32
    w.Dword(1);            // VFT_APP
    w.Dword(0);
    w.Dword(0);
    w.Dword(0);
}

// StringFileInfo with the one US English table of the strings given.
constexpr void WriteStringFileInfo(Writer& w, const VersionSpec& fields) {
    const std::size_t string_info = w.Open(0, 1, "StringFileInfo");
    const std::size_t table = w.Open(0, 1, "040904E4");
    for (int i = 0; i < 10; ++i) {
        const char* value = fields.strings[i];
        if (value == nullptr || value[0] == '\0') {
            continue;
        }
        const std::size_t node = w.Open(0, 1, kVersionStringNames[static_cast<std::size_t>(i)]);
        const unsigned units = w.Utf16(value);
        w.PatchWord(node + 2, units);
        w.Close(node);
    }
    w.Close(table);
    w.Close(string_info);
}

// VarFileInfo: the table's language and code page.
constexpr void WriteVarFileInfo(Writer& w) {
    const std::size_t var_info = w.Open(0, 1, "VarFileInfo");
    const std::size_t var = w.Open(4, 0, "Translation");
    w.Word(0x0409);
    w.Word(0x04E4);
    w.Close(var);
    w.Close(var_info);
}

}  // namespace version_detail

constexpr VersionBlob BuildVersionBlob(const VersionSpec& fields) {
    VersionBlob blob;
    version_detail::Writer w(blob);
    const std::size_t root = w.Open(52, 0, "VS_VERSION_INFO");
    version_detail::WriteFixedFileInfo(w, fields);
    version_detail::WriteStringFileInfo(w, fields);
    version_detail::WriteVarFileInfo(w);
    w.Close(root);
    return blob;
}

template <std::size_t N>
constexpr std::array<unsigned char, N> VersionBlobBytes(const VersionBlob& blob) {
    std::array<unsigned char, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = blob.bytes[i];
    }
    return out;
}

}  // namespace orvanta
