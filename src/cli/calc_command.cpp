#include "cli/calc_command.h"

#include <ostream>

#include "cli/calc_session.h"
#include "cli/command_line.h"
#include "cli/console_services.h"
#include "core/update/version_info.h"

namespace orvanta {

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    switch (parsed.kind) {
        case ParsedCommandLine::Kind::kHelp:
            out << UsageText();
            return kExitDone;
        case ParsedCommandLine::Kind::kVersion: {
            // The same version block as Orvanta's, read from this program file.
            const VersionInfo version = ReadVersionInfo(ConsolePlatform().ProgramFile());
            out << "orvanta-calc " << version.file_version << '\n';
            return kExitDone;
        }
        case ParsedCommandLine::Kind::kUsageError:
            err << "orvanta-calc: " << parsed.problem << "; " << parsed.usage << '\n';
            return kExitUsage;
        case ParsedCommandLine::Kind::kRun:
            break;
    }
    CalcSession session(*parsed.subcommand, parsed.request, out, err);
    return parsed.subcommand->run(session);
}

}  // namespace orvanta
