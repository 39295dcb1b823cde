#include "core/i18n/catalogue.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/i18n/utf8.h"

namespace orvanta {

namespace {

// A catalogue is a few kilobytes; a file far beyond that is not one, and the
// lookup reads it whole each time.
constexpr std::size_t kMaxCatalogueFile = std::size_t{64} << 20;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    // Plain ASCII names (all of ours) compare without ICU.
    if (a.size() == b.size()) {
        bool same = true;
        bool ascii = true;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto x = static_cast<unsigned char>(a[i]);
            const auto y = static_cast<unsigned char>(b[i]);
            if (x >= 0x80 || y >= 0x80) {
                ascii = false;
                break;
            }
            const auto lx = (x >= 'A' && x <= 'Z') ? x + 32 : x;
            const auto ly = (y >= 'A' && y <= 'Z') ? y + 32 : y;
            if (lx != ly) {
                same = false;
            }
        }
        if (ascii) {
            return same;
        }
    }
    const auto ua =
        icu::UnicodeString::fromUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())));
    const auto ub =
        icu::UnicodeString::fromUTF8(icu::StringPiece(b.data(), static_cast<int32_t>(b.size())));
    return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT) == 0;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// At most `limit` UTF-8 characters.
std::string CutCharacters(std::string_view text, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == limit) {
                return std::string(text.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(text);
}

std::string Convert(const char* from, const char* to, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = static_cast<int32_t>(bytes.size());
    // UTF-8 needs at most 3 bytes for each 1253 byte; 1253 one byte per character.
    std::string out(bytes.size() * 3 + 4, '\0');
    const int32_t written = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()),
                                         bytes.data(), length, &status);
    if (U_FAILURE(status)) {
        return std::string(bytes);
    }
    out.resize(static_cast<std::size_t>(written));
    return out;
}

}  // namespace

std::string DecodeWindows1253(std::string_view bytes) {
    return Convert("windows-1253", "UTF-8", bytes);
}

std::string DecodeCatalogueBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
            bytes.remove_prefix(3);
        }
        return std::string(bytes);
    }
    return DecodeWindows1253(bytes);
}

std::string LookupCatalogueText(std::string_view file_bytes, const std::string& section,
                                const std::string& key, const std::string& default_text) {
    return LookupDecodedText(DecodeCatalogueBytes(file_bytes), section, key, default_text);
}

std::string LookupDecodedText(std::string_view text, const std::string& section,
                              const std::string& key, const std::string& default_text) {
    std::string_view rest = text;
    bool in_section = false;
    bool section_seen = false;
    while (!rest.empty()) {
        // memchr rather than a per-character scan: a file may hold a very long line.
        std::size_t end = rest.size();
        if (const void* lf = std::memchr(rest.data(), '\n', rest.size())) {
            end = static_cast<std::size_t>(static_cast<const char*>(lf) - rest.data());
        }
        if (const void* cr = std::memchr(rest.data(), '\r', end)) {
            end = static_cast<std::size_t>(static_cast<const char*>(cr) - rest.data());
        }
        std::string_view line = Trim(rest.substr(0, end));
        rest = end >= rest.size() ? std::string_view() : rest.substr(end + 1);

        // A "[" without its "]" is no section line, just one more line of
        // another form.
        const std::size_t close = line.empty() || line.front() != '[' ? line.npos : line.find(']');
        if (close != std::string_view::npos) {
            if (section_seen) {
                break;  // only the first section of that name counts
            }
            const std::string_view name = Trim(line.substr(1, close - 1));
            in_section = SameName(name, section);
            section_seen = in_section;
            continue;
        }
        if (!in_section) {
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            continue;
        }
        if (SameName(Trim(line.substr(0, eq)), key)) {
            return CutCharacters(Unquote(Trim(line.substr(eq + 1))), kMaxCatalogueValue);
        }
    }
    return default_text;
}

struct Catalogue::Snapshot {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type changed;
    bool settled = false;
    std::string text;
};

std::string Catalogue::ReadString(const std::string& section, const std::string& key,
                                  const std::string& default_text) const {
    if (m_path.empty()) {
        return default_text;
    }
    namespace fs = std::filesystem;
    const fs::path path = fs::u8path(m_path);
    std::error_code size_error;
    std::error_code time_error;
    const std::uintmax_t size = fs::file_size(path, size_error);
    const fs::file_time_type changed = fs::last_write_time(path, time_error);
    const bool known = !size_error && !time_error;
    if (!(known && m_snapshot && m_snapshot->settled && m_snapshot->size == size &&
          m_snapshot->changed == changed)) {
        m_snapshot.reset();
        try {
            auto snapshot = std::make_shared<Snapshot>();
            snapshot->text = DecodeCatalogueBytes(ReadFileBytes(m_path, kMaxCatalogueFile));
            snapshot->size = size;
            snapshot->changed = changed;
            snapshot->settled =
                changed + std::chrono::seconds(2) < fs::file_time_type::clock::now();
            if (!known) {
                // No way to tell a change: this reading serves this lookup only.
                return LookupDecodedText(snapshot->text, section, key, default_text);
            }
            m_snapshot = std::move(snapshot);
        } catch (const OperationError&) {
            return default_text;
        }
    }
    return LookupDecodedText(m_snapshot->text, section, key, default_text);
}

}  // namespace orvanta
