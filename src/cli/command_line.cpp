#include "cli/command_line.h"

#include <cstddef>

#include "core/numeric/key_filter.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {

namespace {

constexpr int kArbitrageCells = 13;
constexpr int kProbabilityCells = 15;
constexpr int kOddsCounts = 6;

constexpr const char* kCommonUsage = "usage: orvanta-calc [--separator C] [--json] ";

struct CommandName {
    CalcCommand command;
    const char* name;
    const char* arguments;
};

constexpr CommandName kCommands[] = {
    {CalcCommand::kArbitrage, "arbitrage", "[--multiplier TEXT] [--win-pay TEXT] ODDS..."},
    {CalcCommand::kProbability, "probability", "ODDS..."},
    {CalcCommand::kOdds, "odds", "[--ganiota TEXT] HW HD HL AW AD AL"},
    {CalcCommand::kParlay, "parlay",
     "[FILE.bet | SELECTION...] [--stake K=TEXT]... [--save FILE.bet]"},
    {CalcCommand::kLive, "live", "FILE.lvo"},
};

const CommandName& NameOf(CalcCommand command) {
    for (const CommandName& entry : kCommands) {
        if (entry.command == command) {
            return entry;
        }
    }
    return kCommands[0];
}

std::string UsageLine(std::optional<CalcCommand> command) {
    if (!command) {
        return std::string(kCommonUsage) +
               "arbitrage|probability|odds|parlay|live ARGUMENTS... (--help lists them)";
    }
    const CommandName& entry = NameOf(*command);
    return std::string(kCommonUsage) + entry.name + " " + entry.arguments;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// "2", "1.5/L", "3/B", "3/L/B", "/L": odds a user could type, then the clicks.
std::optional<ParlaySelectionArg> ParseSelection(const std::string& text) {
    const std::size_t slash = text.find('/');
    ParlaySelectionArg selection;
    selection.odds = text.substr(0, slash);
    if (!IsTypeableNumber(selection.odds)) {
        return std::nullopt;
    }
    for (std::size_t i = slash; i < text.size(); i += 2) {
        if (text[i] != '/' || i + 1 >= text.size()) {
            return std::nullopt;
        }
        const char click = text[i + 1];
        if ((click != 'L' && click != 'B') || selection.clicks.find(click) != std::string::npos) {
            return std::nullopt;
        }
        selection.clicks += click;
    }
    return selection;
}

// "K=TEXT" with K a sheet row.
std::optional<std::pair<int, std::string>> ParseStake(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0 || equals > 2) {
        return std::nullopt;
    }
    int row = 0;
    for (std::size_t i = 0; i < equals; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        row = row * 10 + (text[i] - '0');
    }
    if (row < ParlaySheet::kFirstRow || row > ParlaySheet::kLastRow) {
        return std::nullopt;
    }
    return std::make_pair(row, text.substr(equals + 1));
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

}  // namespace

bool IsTypeableNumber(const std::string& text) {
    for (char c : text) {
        const auto key = FilterNumberKey(c, '.');
        if (!key || *key == kKeyBackspace || *key == kKeyTab || *key == kKeyEnter) {
            return false;
        }
    }
    return true;
}

std::string UsageText() {
    std::string text;
    for (const CommandName& entry : kCommands) {
        text += UsageLine(entry.command) + "\n";
    }
    text +=
        "\n"
        "Fills a page as a user would type it, runs that page's calculation and\n"
        "prints what the page then shows. An empty argument \"\" is an empty cell.\n"
        "  --separator C  the decimal separator, \".\" or \",\" (default: the\n"
        "                 regional settings', \".\" when they give none)\n"
        "  --json         one JSON object instead of the tables\n"
        "  SELECTION      odds, then /L for a LOST selection and /B for a banker\n"
        "  --stake K=TEXT the stake per combination of the system in row K\n"
        "Messages go to standard error. Exit status: 0 when the calculation ran to\n"
        "its end, 1 when the page reported an error, 2 for wrong usage or a file\n"
        "that cannot be read.\n";
    return text;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    CalcRequest& request = parsed.request;
    std::optional<CalcCommand> command;
    std::vector<std::string> positionals;

    auto fail = [&](const std::string& problem) {
        parsed.kind = ParsedCommandLine::Kind::kUsageError;
        parsed.problem = problem;
        parsed.usage = UsageLine(command);
        return parsed;
    };

    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_ended || !IsOption(arg)) {
            if (command) {
                positionals.push_back(arg);
                continue;
            }
            for (const CommandName& entry : kCommands) {
                if (arg == entry.name) {
                    command = entry.command;
                }
            }
            if (!command) {
                return fail("unknown subcommand " + Quoted(arg));
            }
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }

        std::string name = arg;
        std::optional<std::string> inline_value;
        if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
            name = arg.substr(0, equals);
            inline_value = arg.substr(equals + 1);
        }
        if (name == "--help" || name == "-h") {
            parsed.kind = ParsedCommandLine::Kind::kHelp;
            return parsed;
        }
        if (name == "--version") {
            parsed.kind = ParsedCommandLine::Kind::kVersion;
            return parsed;
        }
        if (name == "--json") {
            if (inline_value) {
                return fail("--json takes no value");
            }
            request.json = true;
            continue;
        }

        struct ValueOption {
            const char* name;
            std::optional<CalcCommand> owner;  // nothing: a common option
        };
        constexpr ValueOption kValueOptions[] = {
            {"--separator", std::nullopt},          {"--multiplier", CalcCommand::kArbitrage},
            {"--win-pay", CalcCommand::kArbitrage}, {"--ganiota", CalcCommand::kOdds},
            {"--stake", CalcCommand::kParlay},      {"--save", CalcCommand::kParlay},
        };
        const ValueOption* option = nullptr;
        for (const ValueOption& candidate : kValueOptions) {
            if (name == candidate.name) {
                option = &candidate;
            }
        }
        if (!option) {
            return fail("unknown option " + Quoted(arg));
        }
        if (option->owner && command != option->owner) {
            return fail(name + " belongs after the subcommand " + NameOf(*option->owner).name);
        }
        std::string value;
        if (inline_value) {
            value = *inline_value;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail(name + " needs a value");
        }

        if (name == "--separator") {
            if (value != "." && value != ",") {
                return fail("--separator takes \".\" or \",\"");
            }
            request.separator = value[0];
        } else if (name == "--multiplier") {
            request.multiplier = value;
        } else if (name == "--win-pay") {
            request.win_pay = value;
        } else if (name == "--ganiota") {
            request.ganiota = value;
        } else if (name == "--stake") {
            auto stake = ParseStake(value);
            if (!stake) {
                return fail("--stake takes K=TEXT with K a row from 1 to 15");
            }
            if (!IsTypeableNumber(stake->second)) {
                return fail("a stake cell takes only digits, \".\" and \",\": " +
                            Quoted(stake->second));
            }
            request.stakes.push_back(std::move(*stake));
        } else if (name == "--save") {
            if (value.empty()) {
                return fail("--save needs a file name");
            }
            request.save_path = value;
        }
    }

    if (!command) {
        return fail("no subcommand");
    }
    request.command = *command;

    auto take_cells = [&](std::size_t most) -> std::optional<std::string> {
        if (positionals.size() > most) {
            return "at most " + std::to_string(most) + " odds";
        }
        for (const std::string& text : positionals) {
            if (!IsTypeableNumber(text)) {
                return "a grid cell takes only digits, \".\" and \",\": " + Quoted(text);
            }
        }
        request.cells = positionals;
        return std::nullopt;
    };

    switch (*command) {
        case CalcCommand::kArbitrage:
            if (auto problem = take_cells(kArbitrageCells)) {
                return fail(*problem);
            }
            break;
        case CalcCommand::kProbability:
            if (auto problem = take_cells(kProbabilityCells)) {
                return fail(*problem);
            }
            break;
        case CalcCommand::kOdds:
            if (positionals.size() != kOddsCounts) {
                return fail("odds takes exactly six counts");
            }
            if (auto problem = take_cells(kOddsCounts)) {
                return fail(*problem);
            }
            break;
        case CalcCommand::kParlay: {
            std::vector<ParlaySelectionArg> selections;
            for (const std::string& text : positionals) {
                if (auto selection = ParseSelection(text)) {
                    selections.push_back(std::move(*selection));
                } else if (positionals.size() == 1) {
                    request.file = text;
                } else {
                    return fail(Quoted(text) +
                                " is no selection (odds with /L or /B); a sheet file comes alone");
                }
            }
            if (selections.size() > static_cast<std::size_t>(ParlaySheet::kLastRow)) {
                return fail("at most 15 selections");
            }
            request.selections = std::move(selections);
            break;
        }
        case CalcCommand::kLive:
            if (positionals.size() != 1) {
                return fail("live takes one record file");
            }
            request.file = positionals.front();
            break;
    }
    parsed.kind = ParsedCommandLine::Kind::kRun;
    return parsed;
}

}  // namespace orvanta
