// The catalogue lookup over any bytes: the first line names the section, the
// second the key, the rest is the file. The answer is always valid UTF-8 of at
// most 2047 characters, or the default.

#include <cstdint>
#include <string>

#include "core/i18n/catalogue.h"
#include "core/i18n/utf8.h"
#include "fuzz/fuzz_support.h"

using orvanta::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = input.find('\n');
    if (first == std::string::npos) {
        return 0;
    }
    const std::size_t second = input.find('\n', first + 1);
    if (second == std::string::npos) {
        return 0;
    }
    const std::string section = input.substr(0, first);
    const std::string key = input.substr(first + 1, second - first - 1);
    const std::string file = input.substr(second + 1);

    const std::string value = orvanta::LookupCatalogueText(file, section, key, "<default>");
    if (value != "<default>") {
        Check(orvanta::IsValidUtf8(value), "answer is not UTF-8");
        std::size_t characters = 0;
        for (char c : value) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        Check(characters <= orvanta::kMaxCatalogueValue, "answer longer than 2047 characters");
    }
    return 0;
}
