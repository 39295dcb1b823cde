#pragma once

// One run of orvanta-calc over one page: the page is started, filled and
// calculated through its own operations, under the same error edge as the
// window's event handlers, and then printed.
//
// No catalogue is opened: every caption and message is the default written in
// the program (the English texts), whatever catalogue files lie beside it, so
// that the output does not change with the language last chosen in the window.

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "cli/console_services.h"
#include "cli/page_report.h"
#include "cli/subcommand.h"
#include "core/base/handler_guard.h"
#include "core/base/services.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

class CalcSession {
public:
    CalcSession(const Subcommand& subcommand, const CalcRequest& request, std::ostream& out,
                std::ostream& err);

    const CalcRequest& Request() const { return m_request; }
    ConsolePrompter& Console() { return m_prompter; }
    Services& Page() { return m_services; }
    const Catalogue& Captions() const { return m_catalogue; }
    char Separator() const { return m_services.separator; }

    // An operation as a window event handler runs it: a failure ends it and is
    // shown as the general error report.
    template <typename Operation>
    void Run(Operation&& operation) {
        RunGuarded(m_prompter, std::forward<Operation>(operation));
    }
    // Whether a general error report has been shown.
    bool Failed() const { return !m_prompter.Errors().empty(); }

    // The user selects the cell and types the text through the number grids'
    // key filter; the editor starts empty, so whatever the cell held is replaced.
    void TypeNumber(TextGrid& grid, int col, int row, const std::string& text) const;
    // The texts into one row, from its first column on.
    void TypeRow(TextGrid& grid, int row, const std::vector<std::string>& texts) const;

    // Prints the page and answers the exit status.
    int Finish(PageReport report);
    // For figures that no page holds: `work` answers them under the error edge,
    // so that a failure shows none of them, only the boxes `shown` before it.
    template <typename Work>
    int FinishFigures(Work&& work, const FigureBoxes& shown = {}) {
        FigureBoxes figures;
        Run([&] { figures = work(); });
        PageReport report;
        shown.AddTo(report);
        figures.AddTo(report);
        return Finish(std::move(report));
    }
    // A file named on the command line that cannot be read: one line, status 2.
    int Unreadable(const std::string& path, const std::string& reason);

private:
    const Subcommand& m_subcommand;
    const CalcRequest& m_request;
    std::ostream& m_out;
    std::ostream& m_err;
    ConsolePrompter m_prompter;
    ConsolePlatform m_platform;
    Services m_services;
    Catalogue m_catalogue;
};

}  // namespace orvanta
