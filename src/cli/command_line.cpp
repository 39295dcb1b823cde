#include "cli/command_line.h"

#include <cstddef>
#include <optional>

namespace orvanta {

namespace {

constexpr const char* kCommonUsage = "usage: orvanta-calc [--separator C] [--json] ";

std::string UsageLine(const Subcommand* subcommand) {
    if (!subcommand) {
        std::string names;
        for (const Subcommand& entry : Subcommands()) {
            names += (names.empty() ? "" : "|") + std::string(entry.name);
        }
        return kCommonUsage + names + " ARGUMENTS... (--help lists them)";
    }
    return std::string(kCommonUsage) + subcommand->name + " " + subcommand->arguments;
}

const Subcommand* FindSubcommand(const std::string& name) {
    for (const Subcommand& entry : Subcommands()) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

// The subcommand's own option of that name; else the first subcommand that has one.
std::pair<const Subcommand*, const SubcommandOption*> FindOption(const Subcommand* current,
                                                                 const std::string& name) {
    auto in = [&](const Subcommand& subcommand) -> const SubcommandOption* {
        for (const SubcommandOption& option : subcommand.options) {
            if (name == option.name) {
                return &option;
            }
        }
        return nullptr;
    };
    if (current) {
        if (const SubcommandOption* option = in(*current)) {
            return {current, option};
        }
    }
    for (const Subcommand& entry : Subcommands()) {
        if (const SubcommandOption* option = in(entry)) {
            return {&entry, option};
        }
    }
    return {nullptr, nullptr};
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

Problem SetSeparator(CalcRequest& request, const std::string& value) {
    if (value != "." && value != ",") {
        return "--separator takes \".\" or \",\"";
    }
    request.separator = value[0];
    return std::nullopt;
}

}  // namespace

std::string UsageText() {
    std::string text;
    for (const Subcommand& entry : Subcommands()) {
        text += UsageLine(&entry) + "\n";
    }
    text +=
        "\n"
        "Fills a page as a user would type it, runs that page's calculation and\n"
        "prints what the page then shows. An empty argument \"\" is an empty cell.\n"
        "  --separator C  the decimal separator, \".\" or \",\" (default: the\n"
        "                 regional settings', \".\" when they give none)\n"
        "  --json         one JSON object instead of the tables\n"
        "  --version      the program's version\n"
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
    const Subcommand* subcommand = nullptr;
    std::vector<std::string> positionals;

    auto fail = [&](const std::string& problem) {
        parsed.kind = ParsedCommandLine::Kind::kUsageError;
        parsed.problem = problem;
        parsed.usage = UsageLine(subcommand);
        return parsed;
    };

    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_ended || !IsOption(arg)) {
            if (subcommand) {
                positionals.push_back(arg);
            } else if (!(subcommand = FindSubcommand(arg))) {
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

        Problem (*set)(CalcRequest&, const std::string&) = nullptr;
        if (name == "--separator") {
            set = SetSeparator;
        } else {
            const auto [owner, option] = FindOption(subcommand, name);
            if (!option) {
                return fail("unknown option " + Quoted(arg));
            }
            if (owner != subcommand) {
                return fail(name + " belongs after the subcommand " + owner->name);
            }
            set = option->set;
        }
        std::string value;
        if (inline_value) {
            value = *inline_value;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail(name + " needs a value");
        }
        if (const Problem problem = set(request, value)) {
            return fail(*problem);
        }
    }

    if (!subcommand) {
        return fail("no subcommand");
    }
    if (const Problem problem = subcommand->take_positionals(request, positionals)) {
        return fail(*problem);
    }
    parsed.subcommand = subcommand;
    parsed.kind = ParsedCommandLine::Kind::kRun;
    return parsed;
}

}  // namespace orvanta
