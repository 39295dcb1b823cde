#pragma once

// Runs the built orvanta-calc as its own process, as a user or a script would,
// and gives back what it printed and how it ended.

#include <string>
#include <vector>

namespace orvanta::testing {

struct CalcOutput {
    std::string out;
    std::string err;
    int status = -1;  // the exit status; 128 + the signal when killed by one

    // Standard error split into its lines.
    std::vector<std::string> ErrLines() const;
};

// `environment` entries NAME=VALUE replace or add to the test's own.
CalcOutput RunCalcProgram(const std::vector<std::string>& args,
                          const std::vector<std::string>& environment = {});

}  // namespace orvanta::testing
