#include "cli/calc_session.h"

#include <ostream>

#include "cli/calc_command.h"
#include "core/numeric/key_filter.h"

namespace orvanta {

CalcSession::CalcSession(const Subcommand& subcommand, const CalcRequest& request,
                         std::ostream& out, std::ostream& err)
    : m_subcommand(subcommand),
      m_request(request),
      m_out(out),
      m_err(err),
      m_prompter(err),
      m_services{m_prompter, m_platform,
                 request.separator ? *request.separator : RegionalSeparator()} {}

void CalcSession::TypeNumber(TextGrid& grid, int col, int row, const std::string& text) const {
    std::string typed;
    for (char c : text) {
        if (const auto key = FilterNumberKey(c, Separator())) {
            typed += *key;
        }
    }
    grid.SetCell(col, row, std::move(typed));
}

void CalcSession::TypeRow(TextGrid& grid, int row, const std::vector<std::string>& texts) const {
    for (std::size_t col = 0; col < texts.size(); ++col) {
        TypeNumber(grid, static_cast<int>(col), row, texts[col]);
    }
}

int CalcSession::Finish(PageReport report) {
    report.page = m_subcommand.name;
    report.messages = m_prompter.Messages();
    if (!m_prompter.Errors().empty()) {
        report.error = m_prompter.Errors().front();
    }
    if (m_request.json) {
        WriteJsonReport(m_out, report);
    } else {
        WriteTableReport(m_out, report);
    }
    m_out.flush();
    return Failed() ? kExitErrorReport : kExitDone;
}

int CalcSession::Unreadable(const std::string& path, const std::string& reason) {
    m_err << "orvanta-calc: cannot read " << Quoted(path) << ": " << reason << '\n';
    return kExitUsage;
}

}  // namespace orvanta
