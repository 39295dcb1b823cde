#include "core/update/update_list.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

#include "core/base/operation_error.h"

namespace orvanta {

namespace {

// Only the start of a bad text goes into the message: it may be a line of megabytes.
[[noreturn]] void NotAnInteger(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) {
        shown += "...";
    }
    throw OperationError("'" + shown + "' is not a valid integer value");
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !text.empty();
}

template <typename Int>
Int DigitsToNumber(std::string_view text) {
    if (!AllDigits(text)) {
        NotAnInteger(text);
    }
    Int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        NotAnInteger(text);
    }
    return value;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string RemoveBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') {
            out.push_back(c);
        }
    }
    return out;
}

UpdateListEntry SplitUpdateListLine(std::string_view line) {
    UpdateListEntry entry;
    std::string_view rest = line;
    auto take_field = [&rest](std::string& field) {
        const auto semicolon = rest.find(';');
        if (semicolon != std::string_view::npos) {
            field.assign(rest.substr(0, semicolon));
            rest.remove_prefix(semicolon + 1);
        }
    };
    take_field(entry.name);
    take_field(entry.version);
    entry.size.assign(rest);
    return entry;
}

std::int32_t VersionToNumber(std::string_view text) {
    const std::string bare = RemoveBlanks(text);
    if (bare.empty()) {
        return 0;
    }
    std::string digits;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = bare.find('.', start);
        const std::size_t end = dot == std::string::npos ? bare.size() : dot;
        const std::string_view part(bare.data() + start, end - start);
        if (part.size() < 2) {
            digits += '0';
        }
        digits += part;
        if (dot == std::string::npos) {
            break;
        }
        start = dot + 1;
    }
    return DigitsToNumber<std::int32_t>(digits);
}

long long ListSizeToNumber(std::string_view text) {
    return DigitsToNumber<long long>(text);
}

std::string FormatListLine(const std::string& name, const std::string& version, long long size) {
    return name + ";" + version + ";" + std::to_string(size) + "\r\n";
}

ListLineSplitter::ListLineSplitter(LineHandler line) : m_line(std::move(line)) {}

void ListLineSplitter::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (c == '\n' && m_after_cr) {
            m_after_cr = false;
            continue;
        }
        m_after_cr = c == '\r';
        if (c == '\r' || c == '\n') {
            EndLine();
            continue;
        }
        m_started = true;
        if (m_text.size() < kMaxListLine) {
            m_text.push_back(c);
        } else {
            m_whole = false;
        }
    }
}

void ListLineSplitter::Finish() {
    if (m_started) {
        EndLine();
    }
}

void ListLineSplitter::EndLine() {
    m_line(m_text, m_whole);
    m_text.clear();
    m_whole = true;
    m_started = false;
}

void ReadListLines(const std::string& path, const LineHandler& line) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw OperationError(FileErrorText(errno ? errno : ENOENT));
    }
    ListLineSplitter splitter(line);
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        splitter.Feed(std::string_view(buffer.data(), got));
        if (got < buffer.size()) {
            if (std::ferror(file.get())) {
                throw OperationError(FileErrorText(errno ? errno : EIO));
            }
            break;
        }
    }
    splitter.Finish();
}

}  // namespace orvanta
