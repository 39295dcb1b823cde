#include "core/update/version_block.h"

namespace orvanta {

std::optional<std::string> MemoryProgramBytes::Read(std::uint64_t offset, std::size_t count) const {
    if (offset > m_bytes.size() || count > m_bytes.size() - offset) {
        return std::nullopt;
    }
    return std::string(m_bytes.substr(static_cast<std::size_t>(offset), count));
}

FileProgramBytes::FileProgramBytes(const std::string& path)
    : m_file(std::fopen(path.c_str(), "rb")) {
    if (m_file && std::fseek(m_file.get(), 0, SEEK_END) == 0) {
        const long end = std::ftell(m_file.get());
        m_size = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
}

std::optional<std::string> FileProgramBytes::Read(std::uint64_t offset, std::size_t count) const {
    if (!m_file || offset > m_size || count > m_size - offset) {
        return std::nullopt;
    }
    if (std::fseek(m_file.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        return std::nullopt;
    }
    std::string out(count, '\0');
    if (std::fread(out.data(), 1, count, m_file.get()) != count) {
        return std::nullopt;
    }
    return out;
}

}  // namespace orvanta
