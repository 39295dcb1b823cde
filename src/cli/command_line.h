#pragma once

// The command line of orvanta-calc: a subcommand naming the page, the texts to
// type into it, and the common options (--separator, --json), which may come
// before or after the subcommand. Parsing checks the shape only; what the texts
// mean is left to the page, as in the window.

#include <string>
#include <vector>

#include "cli/subcommand.h"

namespace orvanta {

struct ParsedCommandLine {
    enum class Kind { kRun, kHelp, kVersion, kUsageError };
    Kind kind = Kind::kUsageError;
    const Subcommand* subcommand = nullptr;  // for a run
    CalcRequest request;
    // For a usage error: what was wrong, and the usage line that fits.
    std::string problem;
    std::string usage;
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage lines, one per subcommand, and what the arguments mean, for --help.
std::string UsageText();

}  // namespace orvanta
