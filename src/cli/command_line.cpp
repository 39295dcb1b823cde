#include "cli/command_line.h"

#include <cctype>
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

// "-110" (an American price) or "-0.6" (a Malay one).
bool IsNegativeNumber(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' &&
           (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.' || arg[1] == ',');
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
        "  --system NAME  parlay: the stakes of a full cover (trixie ... goliath), --unit each\n"
        "  LEG            slip: ODDS[:won|placed|lost|void][:dh=TIED[/PLACES_LEFT]][:r4=PENCE]\n"
        "                 [:terms=N/D]; odds decimal, fractional (5/2) or evens\n"
        "Messages go to standard error. Exit status: 0 when the calculation ran to\n"
        "its end, 1 when the page reported an error, 2 for wrong usage or a file\n"
        "that cannot be read.\n";
    return text;
}

namespace {

// Reads the arguments left to right: words name the subcommand, then are its
// positional arguments; options set the request as they come. The first
// problem ends the reading with the usage line of the subcommand named so far.
class CommandLineReader {
public:
    explicit CommandLineReader(const std::vector<std::string>& args) : m_args(args) {}

    ParsedCommandLine Read() {
        for (m_next = 0; m_next < m_args.size() && !m_done;) {
            const std::string& arg = m_args[m_next++];
            if (m_options_ended || !IsOption(arg) || IsSignedArgument(arg)) {
                TakeWord(arg);
            } else if (arg == "--") {
                m_options_ended = true;
            } else {
                TakeOption(arg);
            }
        }
        if (!m_done) {
            Finish();
        }
        return m_parsed;
    }

private:
    // A subcommand that reads its own arguments takes prices with their sign;
    // elsewhere a grid cell takes none, and "-2" stays an unknown option.
    bool IsSignedArgument(const std::string& arg) const {
        return m_subcommand && m_subcommand->take_positionals == TakeTexts && IsNegativeNumber(arg);
    }

    void TakeWord(const std::string& arg) {
        if (m_subcommand) {
            m_positionals.push_back(arg);
        } else if (!(m_subcommand = FindSubcommand(arg))) {
            Fail("unknown subcommand " + Quoted(arg));
        }
    }

    // "--name value" or "--name=value"; --help, --version and --json take none.
    void TakeOption(const std::string& arg) {
        std::string name = arg;
        std::optional<std::string> inline_value;
        if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
            name = arg.substr(0, equals);
            inline_value = arg.substr(equals + 1);
        }
        if (name == "--help" || name == "-h") {
            End(ParsedCommandLine::Kind::kHelp);
        } else if (name == "--version") {
            End(ParsedCommandLine::Kind::kVersion);
        } else if (name == "--json") {
            if (inline_value) {
                Fail("--json takes no value");
                return;
            }
            m_parsed.request.json = true;
        } else if (const SubcommandOption* option = OptionOf(arg, name)) {
            if (!option->flag) {
                TakeValue(name, inline_value, option->set);
            } else if (inline_value) {
                Fail(name + " takes no value");
            } else if (const Problem problem = option->set(m_parsed.request, "")) {
                Fail(*problem);
            }
        }
    }

    // The option: a common one, or the subcommand's own.
    const SubcommandOption* OptionOf(const std::string& arg, const std::string& name) {
        static const SubcommandOption separator{"--separator", SetSeparator};
        if (name == "--separator") {
            return &separator;
        }
        const auto [owner, option] = FindOption(m_subcommand, name);
        if (!option) {
            Fail("unknown option " + Quoted(arg));
            return nullptr;
        }
        if (owner != m_subcommand) {
            Fail(name + " belongs after the subcommand " + owner->name);
            return nullptr;
        }
        return option;
    }

    void TakeValue(const std::string& name, const std::optional<std::string>& inline_value,
                   OptionSetter set) {
        std::string value;
        if (inline_value) {
            value = *inline_value;
        } else if (m_next < m_args.size()) {
            value = m_args[m_next++];
        } else {
            Fail(name + " needs a value");
            return;
        }
        if (const Problem problem = set(m_parsed.request, value)) {
            Fail(*problem);
        }
    }

    void Finish() {
        if (!m_subcommand) {
            Fail("no subcommand");
        } else if (const Problem problem =
                       m_subcommand->take_positionals(m_parsed.request, m_positionals)) {
            Fail(*problem);
        } else {
            m_parsed.subcommand = m_subcommand;
            End(ParsedCommandLine::Kind::kRun);
        }
    }

    void Fail(const std::string& problem) {
        m_parsed.problem = problem;
        m_parsed.usage = UsageLine(m_subcommand);
        End(ParsedCommandLine::Kind::kUsageError);
    }

    void End(ParsedCommandLine::Kind kind) {
        m_parsed.kind = kind;
        m_done = true;
    }

    const std::vector<std::string>& m_args;
    std::size_t m_next = 0;
    bool m_options_ended = false;
    bool m_done = false;
    const Subcommand* m_subcommand = nullptr;
    std::vector<std::string> m_positionals;
    ParsedCommandLine m_parsed;
};

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    return CommandLineReader(args).Read();
}

}  // namespace orvanta
