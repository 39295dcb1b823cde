#pragma once

// The update list, FilesToDownload.txt: one release file a line, "name;version;size",
// lines ended by CR LF. The update check reads the copy it downloads from the vendor's
// server; release staging writes a fresh one for upload. The list comes from outside, so
// reading it is bounded: lines are cut at kMaxListLine bytes and such a line is flagged,
// never kept whole.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvanta {

inline constexpr const char* kUpdateListName = "FilesToDownload.txt";

// A real entry is a file name, a version and a size; anything near this long is not one.
inline constexpr std::size_t kMaxListLine = 4096;

struct UpdateListEntry {
    std::string name;
    std::string version;
    std::string size;
};

// Every blank (the space character only) taken out.
std::string RemoveBlanks(std::string_view text);

// Name before the first ";", version up to the second, size the rest. A field that no ";"
// is left to end stays empty and the text goes on to the next one: "a" is a size alone,
// "a;b" a name and a size. Blanks are kept; the caller decides.
UpdateListEntry SplitUpdateListLine(std::string_view line);

// A dotted version as one comparable number: blanks out, parts of one character
// (or none) get a leading "0", the parts are joined and read as a decimal number.
// "2.3.2.55" -> 2030255; "" -> 0. Throws OperationError for anything but digits and
// dots, and beyond the signed 32-bit range.
std::int32_t VersionToNumber(std::string_view text);

// A size field as a number of bytes: decimal digits only. Throws OperationError
// otherwise, and beyond the range of a file size.
long long ListSizeToNumber(std::string_view text);

// name;version;size CR LF, as staging writes it.
std::string FormatListLine(const std::string& name, const std::string& version, long long size);

using LineHandler = std::function<void(std::string_view text, bool whole)>;

// Cuts bytes into lines as they come: CR LF, LF and a lone CR all end a line;
// a line longer than kMaxListLine reaches the handler cut, with `whole` false.
class ListLineSplitter {
public:
    explicit ListLineSplitter(LineHandler line);
    void Feed(std::string_view bytes);
    // The last line, when the bytes did not end with a line end.
    void Finish();

private:
    void EndLine();

    LineHandler m_line;
    std::string m_text;
    bool m_whole = true;
    bool m_started = false;   // a line has begun, even if empty so far
    bool m_after_cr = false;  // an LF right after a CR ends nothing more
};

// Calls `line` for each line of the file, without its line end.
// Throws OperationError when the file cannot be opened or read.
void ReadListLines(const std::string& path, const LineHandler& line);

}  // namespace orvanta
