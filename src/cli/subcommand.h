#pragma once

// A subcommand of orvanta-calc is one row of a table: its name, its usage, the
// options it takes with what each sets, what its positional arguments must be,
// and the run that fills its page. The command line parser (command_line.h)
// knows nothing of the pages; each subcommand's file says all of its own.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvanta {

class CalcSession;

// One parlay selection: the odds text and the clicks after typing it, in the
// order written ('L' selects the result cell, making it LOST; 'B' checks the
// banker box).
struct ParlaySelectionArg {
    std::string odds;
    std::string clicks;
};

// Everything the command line asks for. The common options are filled for
// every subcommand; the rest only by the subcommand that owns them.
struct CalcRequest {
    std::optional<char> separator;
    bool json = false;

    // Texts typed into the page's grid, one per cell in the page's order.
    std::vector<std::string> cells;
    std::optional<std::string> multiplier;      // arbitrage
    std::optional<std::string> win_pay_target;  // arbitrage
    std::optional<std::string> ganiota;         // odds

    std::optional<std::string> file;  // a parlay sheet or a live record
    std::vector<ParlaySelectionArg> selections;
    std::vector<std::pair<int, std::string>> stakes;  // (row, text), in the order given
    std::optional<std::string> save_path;

    // probability: the margin method and the value rows.
    std::optional<std::string> probability_method;
    std::vector<std::pair<int, std::string>> probability_offered;  // (outcome, odds text)
    std::optional<std::string> probability_bankroll;
    std::optional<std::string> probability_fraction;

    // fair, kelly and convert, as typed: checked when they are used, so that a
    // wrong figure is reported like any other operation's error.
    std::optional<std::string> fair_method;     // a MethodKey
    std::optional<std::string> kelly_fraction;  // 1 when none
    std::optional<std::string> kelly_bankroll;  // stakes in money only with one
    std::optional<std::string> convert_from;    // a FormatKey; decimal when none

    // live: the exchange's commission the suggestions are net of, in per cent.
    std::optional<std::string> live_commission;

    // slip, as typed, and parlay's named system.
    std::optional<std::string> slip_type;
    std::optional<std::string> slip_stake;
    bool slip_each_way = false;
    std::optional<std::string> parlay_system;
    std::optional<std::string> parlay_unit;

    // arbitrage at real books, as typed: (outcome, text) pairs for the grid.
    std::vector<std::pair<int, std::string>> arbitrage_commission;
    std::optional<std::pair<int, std::string>> arbitrage_fixed;
    std::optional<std::string> arbitrage_round;
    // lay, as typed; the mode is checked when parsed.
    std::optional<std::string> lay_back_stake;
    std::optional<std::string> lay_back_odds;
    std::optional<std::string> lay_odds;
    std::optional<std::string> lay_commission;
    std::optional<std::string> lay_mode;
    std::optional<std::string> lay_refund;
    std::optional<std::string> lay_retention;
};

// What a parsing step found wrong, in words for the user; nothing when all is well.
using Problem = std::optional<std::string>;

// Sets what an option's value says in the request, or says what is wrong with it.
using OptionSetter = Problem (*)(CalcRequest& request, const std::string& value);

struct SubcommandOption {
    const char* name;  // "--multiplier"
    OptionSetter set;
    bool flag = false;  // takes no value: `set` is handed ""
};

// The setter of an option that keeps its text as given, in `kField`.
template <std::optional<std::string> CalcRequest::*kField>
Problem KeepText(CalcRequest& request, const std::string& value) {
    request.*kField = value;
    return std::nullopt;
}

struct Subcommand {
    const char* name;       // "arbitrage"
    const char* arguments;  // what follows the name in the usage line
    std::vector<SubcommandOption> options;
    // Takes the positional arguments into the request, or says what is wrong with them.
    Problem (*take_positionals)(CalcRequest& request, const std::vector<std::string>& args);
    // Fills the page, calculates and prints it; answers the exit status.
    int (*run)(CalcSession& session);
};

// Every subcommand, in the order --help lists them.
const std::vector<Subcommand>& Subcommands();

// The subcommands, one file each.
Subcommand ArbitrageSubcommand();
Subcommand ProbabilitySubcommand();
Subcommand OddsSubcommand();
Subcommand ParlaySubcommand();
Subcommand LiveSubcommand();
Subcommand FairSubcommand();
Subcommand KellySubcommand();
Subcommand ConvertSubcommand();
Subcommand LaySubcommand();
Subcommand SlipSubcommand();

// A text a user could type into a number cell of the grids: the key filters let
// only digits, "." and "," through, and a command line must not drop characters
// silently.
bool IsTypeableNumber(const std::string& text);

// The positional arguments as the cells of one grid row: at most `most`, each
// one a typeable number.
Problem TakeNumberCells(CalcRequest& request, const std::vector<std::string>& args,
                        std::size_t most);

// The positional arguments as texts, whatever they hold: for subcommands that
// read them when they calculate, so that one that is no figure is reported as
// the calculation's error, with its reason.
Problem TakeTexts(CalcRequest& request, const std::vector<std::string>& args);

std::string Quoted(const std::string& text);

}  // namespace orvanta
