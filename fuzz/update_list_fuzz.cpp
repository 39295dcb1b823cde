// The update list as it comes from the server: lines cut by the splitter,
// blanks removed, split into name, version and size, the version read as a
// number. The number is checked against a second reading of the rule.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/operation_error.h"
#include "core/update/update_list.h"
#include "fuzz/fuzz_support.h"

using orvanta::fuzz::Check;

namespace {

// Pads one-character parts with "0", joins, and reads the digits in 64 bits.
std::optional<std::int32_t> SecondReading(const std::string& version) {
    std::string joined;
    std::string part;
    auto flush = [&] {
        joined += part.size() < 2 ? "0" + part : part;
        part.clear();
    };
    if (version.empty()) {
        return 0;
    }
    for (char c : version) {
        if (c == '.') {
            flush();
        } else if (c >= '0' && c <= '9') {
            part.push_back(c);
        } else {
            return std::nullopt;
        }
    }
    flush();
    std::size_t first = joined.find_first_not_of('0');
    if (first == std::string::npos) {
        return 0;
    }
    if (joined.size() - first > 10) {
        return std::nullopt;
    }
    const long long value = std::stoll(joined.substr(first));
    if (value > 2147483647LL) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

void OneLine(std::string_view text, bool whole) {
    Check(text.size() <= orvanta::kMaxListLine, "a line longer than the limit");
    if (!whole) {
        return;
    }
    const std::string line = orvanta::RemoveBlanks(text);
    if (line.empty()) {
        return;
    }
    const orvanta::UpdateListEntry entry = orvanta::SplitUpdateListLine(line);
    Check(entry.name.size() + entry.version.size() + entry.size.size() <= line.size(),
          "split fields longer than the line");
    std::optional<std::int32_t> number;
    try {
        number = orvanta::VersionToNumber(entry.version);
    } catch (const orvanta::OperationError&) {
    }
    Check(number == SecondReading(entry.version), "version number disagreement");
    try {
        Check(orvanta::ListSizeToNumber(entry.size) >= 0, "negative size");
    } catch (const orvanta::OperationError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvanta::ListLineSplitter splitter(OneLine);
    // Fed in two pieces, as reads from a file come.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = size / 3;
    splitter.Feed(bytes.substr(0, cut));
    splitter.Feed(bytes.substr(cut));
    splitter.Finish();
    return 0;
}
