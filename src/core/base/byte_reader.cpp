#include "core/base/byte_reader.h"

namespace orvanta {

std::uint8_t ByteReader::U8() {
    return static_cast<std::uint8_t>(LittleEndian(1));
}

std::uint16_t ByteReader::U16() {
    return static_cast<std::uint16_t>(LittleEndian(2));
}

std::uint32_t ByteReader::U32() {
    return static_cast<std::uint32_t>(LittleEndian(4));
}

std::int32_t ByteReader::I32() {
    return static_cast<std::int32_t>(U32());
}

std::uint64_t ByteReader::U64() {
    return LittleEndian(8);
}

std::uint8_t ByteReader::PeekU8() {
    const std::size_t at = m_pos;
    const std::uint8_t value = U8();
    if (m_ok) {
        m_pos = at;
    }
    return value;
}

std::string_view ByteReader::Bytes(std::size_t count) {
    if (count > Left()) {
        Fail();
        return {};
    }
    const std::string_view part = m_bytes.substr(m_pos, count);
    m_pos += count;
    return part;
}

void ByteReader::Skip(std::size_t count) {
    Bytes(count);
}

void ByteReader::Seek(std::size_t position) {
    if (!m_ok || position > m_bytes.size()) {
        Fail();
        return;
    }
    m_pos = position;
}

ByteReader ByteReader::Sub(std::size_t offset, std::size_t count) const {
    if (offset > m_bytes.size() || count > m_bytes.size() - offset) {
        ByteReader failed;
        failed.Fail();
        return failed;
    }
    return ByteReader(m_bytes.substr(offset, count));
}

std::uint64_t ByteReader::LittleEndian(std::size_t size) {
    const std::string_view b = Bytes(size);
    std::uint64_t value = 0;
    for (std::size_t i = b.size(); i > 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(b[i - 1]);
    }
    return value;
}

void ByteReader::Fail() {
    m_ok = false;
    m_pos = m_bytes.size();
}

}  // namespace orvanta
