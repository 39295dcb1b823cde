#pragma once

// A strict JSON reader for checking orvanta-calc's output: anything that is not
// valid JSON (RFC 8259, UTF-8 text) throws, so a test that reads the output has
// also checked that it is JSON.

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanta::testing {

struct JsonValue {
    enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };
    Type type = Type::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;  // in the order written

    bool IsNull() const { return type == Type::kNull; }
    // A member (throws when missing) and an item (throws when out of range).
    const JsonValue& operator[](const std::string& key) const;
    const JsonValue& operator[](std::size_t index) const;
    std::vector<std::string> Keys() const;
    // An array of strings; an array of arrays of strings (a grid).
    std::vector<std::string> Texts() const;
    std::vector<std::vector<std::string>> Rows() const;
};

class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

JsonValue ParseJson(std::string_view text);

}  // namespace orvanta::testing
