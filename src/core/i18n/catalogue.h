#pragma once

// The language catalogue: every caption, header and translatable message comes
// from the open catalogue file (Orvanta_GR.ini or Orvanta_EN.ini beside the
// program), looked up by section, key and a default written in the program.
//
// The file is read afresh at every lookup and never written. Bytes that are
// valid UTF-8 are taken as UTF-8; anything else is the Windows Greek code page
// (1253), decoded through ICU. A missing file, section or key gives the default.

#include <memory>
#include <string>
#include <string_view>

namespace orvanta {

inline constexpr const char* kGreekCatalogue = "Orvanta_GR.ini";
inline constexpr const char* kEnglishCatalogue = "Orvanta_EN.ini";

// A caption or message of the program's: where the catalogue keeps it, and the
// text shown when the catalogue has none. Each is written once, beside the page
// or window it belongs to, and read by the windows and orvanta-calc alike.
struct CatalogueText {
    const char* section;
    const char* key;
    const char* fallback;
};

// Longest value a lookup returns, in characters.
inline constexpr std::size_t kMaxCatalogueValue = 2047;

class Catalogue {
public:
    // No file: every lookup gives its default.
    Catalogue() = default;
    // Opening never fails, even when the file does not exist.
    explicit Catalogue(std::string file_path) : m_path(std::move(file_path)) {}

    // The full path the catalogue was opened with ("" when none).
    const std::string& FileName() const { return m_path; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& default_text) const;
    std::string Read(const CatalogueText& text) const {
        return ReadString(text.section, text.key, text.fallback);
    }

private:
    // The file's text as last read, and what it was read from: a lookup that
    // finds the file as it was then (same size, same time of change) skips the
    // reading and decoding; captioning a window asks for some seventy texts. A
    // file changed just before it was read may change again within the clock's
    // grain unseen, so such a reading is never trusted again.
    struct Snapshot;
    std::string m_path;
    mutable std::shared_ptr<const Snapshot> m_snapshot;
};

// The lookup itself, over the bytes of a catalogue file.
std::string LookupCatalogueText(std::string_view file_bytes, const std::string& section,
                                const std::string& key, const std::string& default_text);
// The same over the file's text once decoded.
std::string LookupDecodedText(std::string_view text, const std::string& section,
                              const std::string& key, const std::string& default_text);

// UTF-8 stays as it is (without a byte-order mark); anything else is decoded as
// Windows-1253.
std::string DecodeCatalogueBytes(std::string_view bytes);
// Windows-1253 to UTF-8, through ICU.
std::string DecodeWindows1253(std::string_view bytes);

}  // namespace orvanta
