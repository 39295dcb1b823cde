#pragma once

// The command line of orvanta-calc: a subcommand naming the page, the texts to
// type into it, and the common options (--separator, --json), which may come
// before or after the subcommand. Parsing checks the shape only; what the texts
// mean is left to the page, as in the window.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvanta {

enum class CalcCommand { kArbitrage, kProbability, kOdds, kParlay, kLive };

// One parlay selection: the odds text and the clicks after typing it, in the
// order written ('L' selects the result cell, making it LOST; 'B' checks the
// banker box).
struct ParlaySelectionArg {
    std::string odds;
    std::string clicks;
};

struct CalcRequest {
    CalcCommand command = CalcCommand::kArbitrage;
    std::optional<char> separator;
    bool json = false;

    // Odds (arbitrage, probability) or the six counts (odds), one per cell.
    std::vector<std::string> cells;
    std::optional<std::string> multiplier;  // arbitrage Edit5
    std::optional<std::string> win_pay;     // arbitrage Edit6
    std::optional<std::string> ganiota;     // odds cut_percent

    // parlay: a sheet file or selections in row order, then stakes by row.
    std::optional<std::string> file;  // also the live record
    std::vector<ParlaySelectionArg> selections;
    std::vector<std::pair<int, std::string>> stakes;  // (row, text), in the order given
    std::optional<std::string> save_path;
};

struct ParsedCommandLine {
    enum class Kind { kRun, kHelp, kVersion, kUsageError };
    Kind kind = Kind::kUsageError;
    CalcRequest request;
    // For a usage error: what was wrong, and the usage line that fits.
    std::string problem;
    std::string usage;
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage lines, one per subcommand, for --help.
std::string UsageText();

// A text a user could type into a number cell of the grids: the key filters let
// only digits, "." and "," through, and a CLI must not drop characters silently.
bool IsTypeableNumber(const std::string& text);

}  // namespace orvanta
