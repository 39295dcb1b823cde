#include "json_value.h"

#include <charconv>
#include <cstdint>

#include "core/i18n/utf8.h"

namespace orvanta::testing {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    JsonValue Document() {
        JsonValue value = Value();
        SkipSpace();
        if (m_pos != m_text.size()) {
            Fail("text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw JsonError(what + " at byte " + std::to_string(m_pos));
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    void Expect(char c) {
        if (Peek() != c) {
            Fail(std::string("expected '") + c + "'");
        }
        ++m_pos;
    }
    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++m_pos;
        }
    }
    void Word(std::string_view word) {
        if (m_text.substr(m_pos, word.size()) != word) {
            Fail("unknown word");
        }
        m_pos += word.size();
    }

    JsonValue Value() {
        SkipSpace();
        JsonValue value;
        switch (Peek()) {
            case '{':
                value.type = JsonValue::Type::kObject;
                ++m_pos;
                SkipSpace();
                if (Peek() == '}') {
                    ++m_pos;
                    return value;
                }
                for (;;) {
                    SkipSpace();
                    std::string key = String();
                    SkipSpace();
                    Expect(':');
                    value.members.emplace_back(std::move(key), Value());
                    SkipSpace();
                    if (Peek() == ',') {
                        ++m_pos;
                        continue;
                    }
                    Expect('}');
                    return value;
                }
            case '[':
                value.type = JsonValue::Type::kArray;
                ++m_pos;
                SkipSpace();
                if (Peek() == ']') {
                    ++m_pos;
                    return value;
                }
                for (;;) {
                    value.items.push_back(Value());
                    SkipSpace();
                    if (Peek() == ',') {
                        ++m_pos;
                        continue;
                    }
                    Expect(']');
                    return value;
                }
            case '"':
                value.type = JsonValue::Type::kString;
                value.text = String();
                return value;
            case 't':
                Word("true");
                value.type = JsonValue::Type::kBool;
                value.boolean = true;
                return value;
            case 'f':
                Word("false");
                value.type = JsonValue::Type::kBool;
                return value;
            case 'n':
                Word("null");
                return value;
            default:
                value.type = JsonValue::Type::kNumber;
                value.number = Number();
                return value;
        }
    }

    double Number() {
        const std::size_t start = m_pos;
        auto digits = [&] {
            const std::size_t from = m_pos;
            while (Peek() >= '0' && Peek() <= '9') {
                ++m_pos;
            }
            if (m_pos == from) {
                Fail("digits expected");
            }
        };
        if (Peek() == '-') {
            ++m_pos;
        }
        if (Peek() == '0') {
            ++m_pos;
        } else {
            digits();
        }
        if (Peek() == '.') {
            ++m_pos;
            digits();
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++m_pos;
            if (Peek() == '+' || Peek() == '-') {
                ++m_pos;
            }
            digits();
        }
        double value = 0;
        std::from_chars(m_text.data() + start, m_text.data() + m_pos, value);
        return value;
    }

    unsigned Hex4() {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            ++m_pos;
            value <<= 4;
            if (c >= '0' && c <= '9') {
                value |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                value |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                value |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                Fail("bad \\u escape");
            }
        }
        return value;
    }

    // A raw UTF-8 sequence inside a string, checked as strictly as RFC 3629.
    void Utf8(std::string& out) {
        const std::size_t length = Utf8SequenceLength(m_text.substr(m_pos));
        if (length == 0) {
            Fail("invalid UTF-8");
        }
        out.append(m_text.substr(m_pos, length));
        m_pos += length;
    }

    std::string String() {
        Expect('"');
        std::string out;
        for (;;) {
            if (AtEnd()) {
                Fail("unterminated string");
            }
            const auto c = static_cast<unsigned char>(Peek());
            if (c == '"') {
                ++m_pos;
                return out;
            }
            if (c < 0x20) {
                Fail("control character in a string");
            }
            if (c >= 0x80) {
                Utf8(out);
                continue;
            }
            ++m_pos;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            const char escape = Peek();
            ++m_pos;
            switch (escape) {
                case '"':
                case '\\':
                case '/':
                    out += escape;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    std::uint32_t code = Hex4();
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        Expect('\\');
                        Expect('u');
                        const std::uint32_t low = Hex4();
                        if (low < 0xDC00 || low > 0xDFFF) {
                            Fail("unpaired surrogate");
                        }
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xDC00 && code <= 0xDFFF) {
                        Fail("unpaired surrogate");
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    Fail("bad escape");
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
    for (const auto& [name, value] : members) {
        if (name == key) {
            return value;
        }
    }
    throw JsonError("no member \"" + key + "\"");
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    if (index >= items.size()) {
        throw JsonError("no item " + std::to_string(index));
    }
    return items[index];
}

std::vector<std::string> JsonValue::Keys() const {
    std::vector<std::string> keys;
    for (const auto& member : members) {
        keys.push_back(member.first);
    }
    return keys;
}

std::vector<std::string> JsonValue::Texts() const {
    std::vector<std::string> texts;
    for (const JsonValue& item : items) {
        if (item.type != Type::kString) {
            throw JsonError("not a string");
        }
        texts.push_back(item.text);
    }
    return texts;
}

std::vector<std::vector<std::string>> JsonValue::Rows() const {
    std::vector<std::vector<std::string>> rows;
    for (const JsonValue& item : items) {
        rows.push_back(item.Texts());
    }
    return rows;
}

JsonValue ParseJson(std::string_view text) {
    return Reader(text).Document();
}

}  // namespace orvanta::testing
