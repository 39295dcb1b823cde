#include "core/numeric/key_filter.h"

namespace orvanta {

std::optional<char> FilterNumberKey(char typed, char separator) {
    if (typed == kKeyBackspace || typed == kKeyTab || typed == kKeyEnter) {
        return typed;
    }
    if (typed == '.' || typed == ',') {
        return separator;
    }
    if (typed >= '0' && typed <= '9') {
        return typed;
    }
    return std::nullopt;
}

std::optional<char> FilterSingleMarkKey(char typed, char separator, const std::string& current) {
    const auto accepted = FilterNumberKey(typed, separator);
    if (accepted && *accepted == separator && current.find(separator) != std::string::npos) {
        return std::nullopt;
    }
    return accepted;
}

}  // namespace orvanta
