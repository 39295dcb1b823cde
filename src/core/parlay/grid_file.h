#pragma once

// Grid files (.bet): a whole TextGrid as a row of small binary records, each a
// signature, a type name, an empty object name and a list of named, typed
// properties. One header record (counts, column widths, row heights, whether
// the whole grid was saved) is followed by a group of records per written cell:
// its text, then its properties, then its graphic (a check box).
//
// Saving builds the whole file in memory and hands it to WriteFileReplacing, so
// a failed save leaves the old file whole. Loading reads the whole file first
// and is total: any bytes give a loaded grid or an OperationError, with no
// allocation larger than the bytes present call for. What was read before a
// fault stays in the grid.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

class TextGrid;
class WriteFaults;

struct GridShape {
    int cols = 0;
    int rows = 0;
};

// Error texts a load can end with (others: the file errors of ReadFileBytes,
// and the messages about a grid's shape, which name the numbers).
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kPictureCellsUnsupported = "Picture cells are not supported";

// A grid file is a few kilobytes; the limits keep a hostile one from asking for
// memory it does not itself fill.
inline constexpr std::size_t kMaxGridFileBytes = std::size_t{16} << 20;
inline constexpr long long kMaxGridCells = 1 << 16;

// The whole grid as file bytes. `id` is the window identifier recorded in the
// header (readers ignore it; the command-line tool passes 0).
std::string SaveGridToBytes(const TextGrid& grid, std::int32_t id);

// SaveGridToBytes written over `path` through WriteFileReplacing.
void SaveGridToFile(const TextGrid& grid, const std::string& path, std::int32_t id,
                    WriteFaults* faults = nullptr);

// Reads file bytes into `grid`. A header saying the whole grid was saved
// empties the grid and takes the file's shape, widths and heights; with
// `required` set, a whole-grid file of any other shape is refused before the
// grid changes. Cells of a partial save are placed relative to the first one.
// Throws OperationError.
void LoadGridFromBytes(TextGrid& grid, std::string_view bytes,
                       std::optional<GridShape> required = std::nullopt);

// ReadFileBytes (at most kMaxGridFileBytes) and LoadGridFromBytes.
void LoadGridFromFile(TextGrid& grid, const std::string& path,
                      std::optional<GridShape> required = std::nullopt);

}  // namespace orvanta
