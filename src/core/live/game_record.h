#pragma once

// A live game's record: a small text file named after the game's start and
// name ("2008_03_15;20-45;Home - Away.lvo"). Line 1 holds the three current
// odds, every further line one position row of the sheet, each value followed
// by ";". Values are kept as the texts that stood in the window, so a record
// reads back the same under any decimal separator.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/services.h"

namespace orvanta {

inline constexpr const char* kRecordExtension = ".lvo";

// Larger records are refused unread: a real one is a few hundred bytes.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;
inline constexpr const char* kRecordTooLargeText =
    "The game record is larger than 1 MB and was not loaded";
// A real game has a few dozen positions; this many only comes from a foreign
// file, and would cost hundreds of megabytes on the sheet.
inline constexpr std::size_t kMaxRecordRows = 10000;
inline constexpr const char* kRecordTooManyRowsText =
    "The game record holds more than 10000 positions and was not loaded";

inline constexpr const char* kTimeIncompleteText =
    "Invalid input value.  Use escape key to abandon changes";

using PositionFields = std::array<std::string, 8>;

struct LiveGameRecord {
    // Odds of "1", "X", "2".
    std::array<std::string, 3> current_odds;
    // Position rows in sheet order. A parsed record holds only the non-empty
    // ones; a saved one every row of the sheet, the trailing empty row included.
    std::vector<PositionFields> rows;
};

// Never fails on content: missing fields are empty, extra ones ignored, CR LF
// and LF both end a line. Rows whose eight fields are all empty are left out,
// since the sheet drops them anyway. Throws OperationError only for a record
// with more than kMaxRecordRows positions.
LiveGameRecord ParseGameRecord(std::string_view bytes);

// The record's bytes, every line ending in CR LF. A value holding ";" or a line
// break cannot be carried by the format: the whole record is refused with
// OperationError(UnwritableValueText(value)) rather than written altered.
std::string FormatGameRecord(const LiveGameRecord& record);
std::string UnwritableValueText(const std::string& value);

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
};

// The new-game dialog's "HH:mm" text (the first hour digit may be missing).
// Throws OperationError: "'25:00' is not a valid time" for digits that are no
// time of day, kTimeIncompleteText when a required digit is missing.
TimeOfDay ParseStartTime(const std::string& text);

// "yyyy_MM_dd;HH-mm;" + name + ".lvo".
std::string RecordFileName(const LocalDateTime& date, TimeOfDay time, const std::string& name);

// A name that cannot leave the record folder or be cut short on the way to the
// file system: no "/", "\" or NUL.
bool IsAcceptableGameName(const std::string& name);

// A name that says nothing: empty, or only blanks (spaces, tabs, line breaks,
// no-break spaces). A game must be told from the others by more than its start.
bool IsBlankGameName(const std::string& name);

}  // namespace orvanta
