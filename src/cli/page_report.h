#pragma once

// What orvanta-calc prints of a page: its grids (every row, header rows
// included, every cell as its text), its boxes with their background colours,
// the checked check-box cells, the messages shown and the general error report.
// The report only points at the page, which must outlive it.

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"

namespace orvanta {

struct GridReport {
    std::string name;   // its name in the JSON output ("outcomes")
    std::string title;  // what the table is headed with
    const TextGrid* grid = nullptr;
    // The table only: the labels the window shows beside the rows (one per row,
    // empty when none), and English labels for a header row that holds no text.
    std::vector<std::string> row_captions;
    std::vector<std::string> header_captions;
    // The table only: outcome columns right of the last used one are left out.
    bool trim_unused_columns = false;
};

struct BoxReport {
    std::string name;   // its name in the JSON output ("multiplier")
    std::string label;  // its caption in the window ("Wager Multiplay")
    const TextBox* box = nullptr;
};

struct PageReport {
    std::string page;  // the subcommand that filled it
    std::vector<GridReport> grids;
    std::vector<BoxReport> boxes;
    std::vector<std::string> messages;
    std::optional<std::string> error;
};

// Figures a subcommand works out itself, with no page's boxes to hold them.
// The boxes stay where they are as more are added, so the report may point at
// them; they must outlive it.
class FigureBoxes {
public:
    void Add(const std::string& name, const std::string& label, const std::string& text) {
        m_boxes.push_back({name, label, TextBox{text, std::nullopt}});
    }
    // Every box, in the order added, after the report's own.
    void AddTo(PageReport& report) const {
        for (const Entry& entry : m_boxes) {
            report.boxes.push_back({entry.name, entry.label, &entry.box});
        }
    }

private:
    struct Entry {
        std::string name;
        std::string label;
        TextBox box;
    };
    std::deque<Entry> m_boxes;
};

// The version of the JSON output's shape and names; scripts rely on both, so a
// change to either is a new schema.
inline constexpr int kJsonSchema = 1;

// One JSON object: schema, page, grids, boxes, colours, checked, messages, error.
void WriteJsonReport(std::ostream& out, const PageReport& report);

// An aligned table per grid, then one line per box. Messages and the error
// report are not repeated: they went to standard error when shown.
void WriteTableReport(std::ostream& out, const PageReport& report);

// The text as a JSON string with its quotes: control characters escaped, UTF-8
// kept, and any byte that is not part of valid UTF-8 replaced by U+FFFD, so that
// the output is valid JSON whatever a loaded file held.
std::string JsonString(std::string_view text);

// "#RRGGBB".
std::string ColourText(GridColour colour);

}  // namespace orvanta
