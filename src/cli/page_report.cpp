#include "cli/page_report.h"

#include <algorithm>
#include <cstddef>
#include <ostream>

#include "core/i18n/utf8.h"

namespace orvanta {

namespace {

// Characters on screen, for lining up the table: UTF-8 lead bytes counted.
std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string ColourName(GridColour colour) {
    if (colour == kColourLime) {
        return "lime";
    }
    if (colour == kColourRed) {
        return "red";
    }
    if (colour == kColourWhite) {
        return "white";
    }
    return ColourText(colour);
}

std::vector<std::pair<int, int>> CheckedCells(const TextGrid& grid) {
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            if (grid.HasCheckBox(col, row) && grid.IsChecked(col, row)) {
                cells.emplace_back(col, row);
            }
        }
    }
    return cells;
}

// Control characters (a loaded file may hold line breaks) as blanks, so that a
// table row stays one line.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return text;
}

// What a cell shows in the table: a check box as [x] or [ ] before its text.
std::string TableCell(const TextGrid& grid, int col, int row) {
    const std::string text = OneLine(grid.Cell(col, row));
    if (!grid.HasCheckBox(col, row)) {
        return text;
    }
    const std::string box = grid.IsChecked(col, row) ? "[x]" : "[ ]";
    return text.empty() ? box : box + " " + text;
}

void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& lines) {
    std::vector<std::size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()), 0);
        for (std::size_t c = 0; c < line.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(line[c]));
        }
    }
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0) {
                text += "  ";
            }
            text += line[c];
            if (c + 1 < line.size()) {
                text.append(widths[c] - DisplayWidth(line[c]), ' ');
            }
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        out << text << '\n';
    }
}

void WriteGridTable(std::ostream& out, const GridReport& report) {
    const TextGrid& grid = *report.grid;
    int cols = grid.ColCount();
    if (report.trim_unused_columns) {
        auto used = [&](int col) {
            for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
                if (!grid.Cell(col, row).empty()) {
                    return true;
                }
            }
            return false;
        };
        while (cols > 1 && !used(cols - 1)) {
            --cols;
        }
    }

    std::vector<std::vector<std::string>> lines;
    for (int row = 0; row < grid.RowCount(); ++row) {
        std::vector<std::string> line;
        if (!report.row_captions.empty()) {
            line.push_back(static_cast<std::size_t>(row) < report.row_captions.size()
                               ? report.row_captions[static_cast<std::size_t>(row)]
                               : std::string());
        }
        bool blank = true;
        for (int col = 0; col < cols; ++col) {
            line.push_back(TableCell(grid, col, row));
            blank = blank && line.back().empty();
        }
        if (row == 0 && blank && !report.header_captions.empty()) {
            for (int col = 0; col < cols; ++col) {
                const auto c = static_cast<std::size_t>(col);
                line[line.size() - static_cast<std::size_t>(cols) + c] =
                    c < report.header_captions.size() ? report.header_captions[c] : std::string();
            }
            blank = false;
        }
        // Rows without any text (the live sheet's row for the next position)
        // would only be blank lines here; the JSON output keeps them.
        if (!blank) {
            lines.push_back(std::move(line));
        }
    }
    out << report.title << '\n';
    WriteAligned(out, lines);
}

}  // namespace

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            const std::size_t length = Utf8SequenceLength(text.substr(i));
            if (length == 0) {
                out += "\\ufffd";
                ++i;
                continue;
            }
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string ColourText(GridColour colour) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "#";
    for (int part : {colour.Red(), colour.Green(), colour.Blue()}) {
        text += kHex[(part >> 4) & 0x0F];
        text += kHex[part & 0x0F];
    }
    return text;
}

void WriteJsonReport(std::ostream& out, const PageReport& report) {
    // One grid row a line, so that the output also reads well as it is.
    out << "{\"schema\": " << kJsonSchema << ", \"page\": " << JsonString(report.page)
        << ",\n \"grids\": {";
    for (std::size_t g = 0; g < report.grids.size(); ++g) {
        const TextGrid& grid = *report.grids[g].grid;
        out << (g > 0 ? "," : "") << "\n   " << JsonString(report.grids[g].name) << ": [";
        for (int row = 0; row < grid.RowCount(); ++row) {
            out << (row > 0 ? "," : "") << "\n    [";
            for (int col = 0; col < grid.ColCount(); ++col) {
                out << (col > 0 ? ", " : "") << JsonString(grid.Cell(col, row));
            }
            out << "]";
        }
        out << "]";
    }

    out << "},\n \"boxes\": {";
    for (std::size_t b = 0; b < report.boxes.size(); ++b) {
        out << (b > 0 ? ", " : "") << JsonString(report.boxes[b].name) << ": "
            << JsonString(report.boxes[b].box->text);
    }

    out << "},\n \"colours\": {";
    bool first = true;
    for (const BoxReport& box : report.boxes) {
        if (box.box->colour) {
            out << (first ? "" : ", ") << JsonString(box.name) << ": "
                << JsonString(ColourText(*box.box->colour));
            first = false;
        }
    }

    out << "},\n \"checked\": {";
    for (std::size_t g = 0; g < report.grids.size(); ++g) {
        out << (g > 0 ? ", " : "") << JsonString(report.grids[g].name) << ": [";
        const auto cells = CheckedCells(*report.grids[g].grid);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out << (i > 0 ? ", [" : "[") << cells[i].first << ", " << cells[i].second << "]";
        }
        out << "]";
    }

    out << "},\n \"messages\": [";
    for (std::size_t m = 0; m < report.messages.size(); ++m) {
        out << (m > 0 ? ", " : "") << JsonString(report.messages[m]);
    }
    out << "],\n \"error\": " << (report.error ? JsonString(*report.error) : "null") << "}\n";
}

void WriteTableReport(std::ostream& out, const PageReport& report) {
    for (const GridReport& grid : report.grids) {
        WriteGridTable(out, grid);
        out << '\n';
    }
    std::vector<std::vector<std::string>> lines;
    for (const BoxReport& box : report.boxes) {
        std::vector<std::string> line = {box.label, OneLine(box.box->text)};
        if (box.box->colour) {
            line.push_back("[" + ColourName(*box.box->colour) + "]");
        }
        lines.push_back(std::move(line));
    }
    WriteAligned(out, lines);
}

}  // namespace orvanta
