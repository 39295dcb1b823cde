#include "core/live/game_record.h"

#include <cstdio>

#include "core/base/operation_error.h"

namespace orvanta {

namespace {

// Fields are taken from the front, each ending at the next ";"; once no ";" is
// left, this and every later field are empty.
template <std::size_t N>
std::array<std::string, N> SplitFields(std::string_view line) {
    std::array<std::string, N> fields;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t semi = line.find(';', pos);
        if (semi == std::string_view::npos) {
            break;
        }
        // A value cannot carry a line break (a save refuses one), so a stray CR
        // in a hand-edited line is left out on reading, or the game could never
        // be saved again.
        for (const char c : line.substr(pos, semi - pos)) {
            if (c != '\r') {
                fields[i].push_back(c);
            }
        }
        pos = semi + 1;
    }
    return fields;
}

bool AllEmpty(const PositionFields& fields) {
    for (const std::string& f : fields) {
        if (!f.empty()) {
            return false;
        }
    }
    return true;
}

// The layout has no quoting: a ";" or a line break inside a value would split
// it into other fields or rows on reading. Rather than change the value behind
// the user's back, the whole write is refused.
void AppendValue(std::string& out, const std::string& value) {
    if (value.find_first_of(";\r\n") != std::string::npos) {
        throw OperationError(UnwritableValueText(value));
    }
    out += value;
    out.push_back(';');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '_';
}

}  // namespace

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

LiveGameRecord ParseGameRecord(std::string_view bytes) {
    LiveGameRecord record;
    std::size_t pos = 0;
    bool first_line = true;
    // An empty file still has its (empty) first line; a final line break opens
    // no further line.
    while (first_line || pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        pos = end + 1;

        if (first_line) {
            record.current_odds = SplitFields<3>(line);
            // A text editor may put a UTF-8 byte-order mark before the first
            // line; it is no part of the first price. Every one the price
            // starts with goes, also one left after a stray line break: the
            // price is saved at the file's start, where it would read back as
            // a mark.
            std::string& first = record.current_odds[0];
            while (first.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
                first.erase(0, kByteOrderMark.size());
            }
            first_line = false;
            continue;
        }
        PositionFields fields = SplitFields<8>(line);
        if (AllEmpty(fields)) {
            continue;
        }
        if (record.rows.size() == kMaxRecordRows) {
            throw OperationError(kRecordTooManyRowsText);
        }
        record.rows.push_back(std::move(fields));
    }
    return record;
}

std::string UnwritableValueText(const std::string& value) {
    return "The value \"" + value +
           "\" holds a \";\" or a line break, which a game record cannot keep; the record was "
           "not written";
}

std::string FormatGameRecord(const LiveGameRecord& record) {
    std::string out;
    for (const std::string& odds : record.current_odds) {
        AppendValue(out, odds);
    }
    out += "\r\n";
    for (const PositionFields& row : record.rows) {
        for (const std::string& value : row) {
            AppendValue(out, value);
        }
        out += "\r\n";
    }
    return out;
}

TimeOfDay ParseStartTime(const std::string& text) {
    const std::string invalid = "'" + text + "' is not a valid time";
    // Laid out as the mask has it: an optional hour digit, a required one, ":",
    // two required minute digits. Four characters when the optional one is left out.
    std::string padded = text;
    if (padded.size() == 4) {
        padded.insert(padded.begin(), ' ');
    }
    if (padded.size() != 5 || padded[2] != ':') {
        throw OperationError(invalid);
    }
    for (std::size_t i : {std::size_t{1}, std::size_t{3}, std::size_t{4}}) {
        if (IsBlank(padded[i])) {
            throw OperationError(kTimeIncompleteText);
        }
    }
    if (!(IsDigit(padded[0]) || IsBlank(padded[0])) || !IsDigit(padded[1]) || !IsDigit(padded[3]) ||
        !IsDigit(padded[4])) {
        throw OperationError(invalid);
    }
    TimeOfDay time;
    time.hour = (IsDigit(padded[0]) ? (padded[0] - '0') * 10 : 0) + (padded[1] - '0');
    time.minute = (padded[3] - '0') * 10 + (padded[4] - '0');
    if (time.hour > 23 || time.minute > 59) {
        throw OperationError(invalid);
    }
    return time;
}

std::string RecordFileName(const LocalDateTime& date, TimeOfDay time, const std::string& name) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d_%02d_%02d;%02d-%02d;", date.year, date.month, date.day,
                  time.hour, time.minute);
    return stamp + name + kRecordExtension;
}

bool IsAcceptableGameName(const std::string& name) {
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

bool IsBlankGameName(const std::string& name) {
    static const std::string kNoBreakSpace = "\xC2\xA0";
    for (std::size_t at = 0; at < name.size();) {
        if (std::string(" \t\r\n\f\v").find(name[at]) != std::string::npos) {
            ++at;
        } else if (name.compare(at, kNoBreakSpace.size(), kNoBreakSpace) == 0) {
            at += kNoBreakSpace.size();
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace orvanta
