#pragma once

// Finding the version block in a program file: among the resources of a
// Windows (PE) program, or in an ELF section of its own. A program file is
// read in small pieces where its headers point, never whole; each piece is
// checked against the file's size before it is read, and walks over counts
// in the file stop at fixed caps, so a damaged file costs no more than a
// few reads.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Random access to a file's bytes without reading it all.
class ProgramBytes {
public:
    virtual ~ProgramBytes() = default;
    // Exactly `count` bytes at `offset`, or nothing when they are not all there.
    virtual std::optional<std::string> Read(std::uint64_t offset, std::size_t count) const = 0;
};

class MemoryProgramBytes : public ProgramBytes {
public:
    explicit MemoryProgramBytes(std::string_view bytes) : m_bytes(bytes) {}
    std::optional<std::string> Read(std::uint64_t offset, std::size_t count) const override;

private:
    std::string_view m_bytes;
};

class FileProgramBytes : public ProgramBytes {
public:
    explicit FileProgramBytes(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }
    std::optional<std::string> Read(std::uint64_t offset, std::size_t count) const override;

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
    std::uint64_t m_size = 0;
};

// A version block is at most this long: its length field has 16 bits.
inline constexpr std::size_t kMaxVersionBlock = 0x10000;

// The block among a PE file's resources (the first version resource, its
// first name and language), or nothing.
std::optional<std::string> FindPeVersionBlock(const ProgramBytes& file);

// The block in an ELF file's section named kVersionSectionName, or nothing.
std::optional<std::string> FindElfVersionBlock(const ProgramBytes& file);

}  // namespace orvanta
