#pragma once

// Reading bytes that came from outside (grid files, program files): a cursor
// that checks every read against what is really there. A read that asks for
// more than is left gives zero (or no bytes) and leaves the reader failed for
// good, at its end, so that a caller may read a whole header and ask once
// whether it was all there. Numbers are little-endian, as in every format the
// program reads.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvanta {

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    // False once a read asked for more than was left.
    bool Ok() const { return m_ok; }
    // Where the next read starts, from the start of the bytes.
    std::size_t Position() const { return m_pos; }
    // Bytes not yet read; none once failed.
    std::size_t Left() const { return m_bytes.size() - m_pos; }

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int32_t I32();
    std::uint64_t U64();
    // The next byte, without moving past it.
    std::uint8_t PeekU8();
    // The next `count` bytes.
    std::string_view Bytes(std::size_t count);
    void Skip(std::size_t count);
    // Moves to `position` from the start; beyond the end fails.
    void Seek(std::size_t position);

    // A reader of its own over the `count` bytes at `offset` from the start, or
    // a failed one when they are not all there. This reader does not move.
    ByteReader Sub(std::size_t offset, std::size_t count) const;

private:
    std::uint64_t LittleEndian(std::size_t size);
    void Fail();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

}  // namespace orvanta
