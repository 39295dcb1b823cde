#pragma once

// orvanta-calc: every calculator page from the command line, with no window.
//
// The arguments are read into a CalcRequest (command_line.h) by the table of
// subcommands (subcommand.h), one file each. The subcommand's run then does
// what a user would do in the window: it starts the page as the window starts
// it (Clear...), types the arguments into its cells through the same key filters,
// clicks where the user would click (a result cell, a banker box), loads files
// through the same Load operations, and runs the page's own Calculate... operation
// under the same error edge as the window's handlers (calc_session.h). The console
// services (console_services.h) stand in for the window's: message boxes become
// lines on standard error, the open dialog answers with the file named on the
// command line. What the page holds afterwards is printed (page_report.h) as a
// table or as one JSON object. There is no arithmetic here: every figure comes
// from the page operations.

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta {

// The program's exit statuses.
inline constexpr int kExitDone = 0;         // the page's operation ran to its end
inline constexpr int kExitErrorReport = 1;  // the page showed its general error report
inline constexpr int kExitUsage = 2;        // wrong usage, or a file that cannot be read

// The whole program over its arguments (without the program name). `out` gets
// the page, `err` every message, the error report and usage problems.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvanta
