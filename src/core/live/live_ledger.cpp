#include "core/live/live_ledger.h"

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

#include "core/grid/file_io.h"
#include "core/grid/operation_error.h"
#include "core/grid/paths.h"
#include "core/i18n/catalogue.h"
#include "core/live/game_record.h"
#include "core/live/record_folder.h"

namespace orvanta {

LiveLedger::LiveLedger(Services& services, const Catalogue& catalogue)
    : m_services(services),
      m_catalogue(catalogue),
      m_folder(RecordFolderPath(services.platform.ProgramFolder())) {
    InitPositionSheet(m_sheet, m_catalogue);
    m_list.SetFixedRows(1);
    m_list.SetCell(0, 0, kGameListHeader);
}

void LiveLedger::ReportError(const std::string& text) {
    m_services.prompter.ShowError(text);
}

bool LiveLedger::FormShow() {
    m_list_row = 1;
    return FillGameList();
}

bool LiveLedger::FillGameList() {
    std::vector<std::string> names;
    try {
        EnsureRecordFolder(m_folder);
        names = ListRecordFiles(m_folder);
    } catch (const OperationError& e) {
        ReportError(e.what());
        return false;
    }

    m_list.ClearCells();
    m_list.SetRowCount(1 + static_cast<int>(names.size()));
    m_list.SetFixedRows(1);
    m_list.SetCell(0, 0, kGameListHeader);
    for (std::size_t i = 0; i < names.size(); ++i) {
        m_list.SetCell(0, static_cast<int>(i) + 1, std::move(names[i]));
    }
    const int games = m_list.RowCount() - 1;
    m_list_row = games == 0 ? 0 : std::clamp(m_list_row, 1, games);

    InitPositionSheet(m_sheet, m_catalogue);
    m_current_file.clear();
    return true;
}

bool LiveLedger::CreateGame(const LocalDateTime& date, const std::string& time_text,
                            const std::string& name) {
    try {
        const TimeOfDay time = ParseStartTime(time_text);
        // The name becomes part of a path: a separator in it would put the
        // record somewhere outside the folder.
        if (!IsAcceptableGameName(name)) {
            throw OperationError(FileErrorText(EINVAL, FileAction::kCreate));
        }
        EnsureRecordFolder(m_folder);
        if (!CreateEmptyRecord(m_folder + RecordFileName(date, time, name))) {
            m_services.prompter.ShowMessage(kGameExistsMessage);
            return false;
        }
        return true;
    } catch (const OperationError& e) {
        ReportError(e.what());
        return false;
    }
}

void LiveLedger::DeleteGame() {
    if (!m_services.prompter.AskYesNo(kDeleteGameQuestion)) {
        return;
    }
    if (m_list_row >= 1 && m_list_row < m_list.RowCount()) {
        const std::string& name = m_list.Cell(0, m_list_row);
        // Only a file of the folder: an empty name would name the folder itself.
        if (!name.empty() && IsAcceptableGameName(name) && FileExists(m_folder + name)) {
            DeleteFile(m_folder + name);
        }
    }
    FillGameList();
}

void LiveLedger::ClearOddsPanel() {
    for (TextBox* box : {&m_odds.Edit10, &m_odds.Edit11, &m_odds.Edit12, &m_odds.Edit13,
                         &m_odds.Edit14, &m_odds.Edit15, &m_odds.edtGaniota}) {
        box->text.clear();
    }
}

bool LiveLedger::CalcProbabilityReported() {
    try {
        CalcProbability(m_odds, m_services);
        return true;
    } catch (const OperationError& e) {
        ReportError(e.what());
        return false;
    }
}

void LiveLedger::FillFromRecord(const std::string& bytes) {
    const LiveGameRecord record = ParseGameRecord(bytes);
    m_odds.Edit13.text = record.current_odds[0];
    m_odds.Edit14.text = record.current_odds[1];
    m_odds.Edit15.text = record.current_odds[2];
    // A failed calculation has been reported; the load goes on with the rows.
    if (HasAllCurrentOdds(m_odds)) {
        CalcProbabilityReported();
    }

    TextGrid& grid = m_sheet.AdvStringGrid2;
    if (!record.rows.empty()) {
        grid.SetRowCount(kFirstPositionRow + static_cast<int>(record.rows.size()));
    }
    for (std::size_t i = 0; i < record.rows.size(); ++i) {
        const int row = kFirstPositionRow + static_cast<int>(i);
        for (int c = 0; c < kInputCols; ++c) {
            grid.SetCell(c, row, record.rows[i][static_cast<std::size_t>(c)]);
        }
    }
}

void LiveLedger::LoadGame(int row) {
    if (row >= 1 && row < m_list.RowCount()) {
        m_list_row = row;
    }
    m_save_enabled = false;
    InitPositionSheet(m_sheet, m_catalogue);
    ClearOddsPanel();
    m_current_file.clear();

    const std::string& name = m_list.Cell(0, row);
    const std::string path = m_folder + name;
    if (row < 1 || name.empty() || !FileExists(path)) {
        m_services.prompter.ShowMessage(kRecordProblemMessage);
    } else {
        try {
            // Read whole before anything reaches the sheet, so a failed read
            // leaves it empty rather than half filled.
            const std::string bytes = ReadFileBytes(path, kMaxRecordBytes, kRecordTooLargeText);
            FillFromRecord(bytes);
            m_current_file = path;
        } catch (const OperationError& e) {
            ReportError(e.what());
        }
    }

    m_save_enabled = true;
    RecalcSheet(m_sheet, m_services);
}

void LiveLedger::SaveGame() {
    if (!m_save_enabled) {
        return;
    }
    if (m_current_file.empty() || !FileExists(m_current_file)) {
        m_services.prompter.ShowMessage(kCreateFirstMessage);
        return;
    }
    LiveGameRecord record;
    record.current_odds = {m_odds.Edit13.text, m_odds.Edit14.text, m_odds.Edit15.text};
    const TextGrid& grid = m_sheet.AdvStringGrid2;
    for (int r = kFirstPositionRow; r < grid.RowCount(); ++r) {
        PositionFields fields;
        for (int c = 0; c < kInputCols; ++c) {
            fields[static_cast<std::size_t>(c)] = grid.Cell(c, r);
        }
        record.rows.push_back(std::move(fields));
    }
    try {
        WriteFileReplacing(m_current_file, FormatGameRecord(record), m_services.write_faults);
    } catch (const OperationError& e) {
        ReportError(e.what());
    }
}

void LiveLedger::AdvStringGrid2EditingDone() {
    if (!m_save_enabled) {
        return;
    }
    // The record keeps what was typed, also when the figures cannot be
    // worked out: it must never fall behind the sheet on screen.
    try {
        RecalcSheet(m_sheet, m_services);
    } catch (const OperationError&) {
        SaveGame();
        throw;
    }
    SaveGame();
}

bool LiveLedger::AdvStringGrid2CellValidate(int col, int row, const std::string& text_before) {
    if (!CanSelectSheetCell(m_sheet, col, row) ||
        m_sheet.AdvStringGrid2.Cell(col, row) == text_before) {
        return false;
    }
    return ValidateSheetEntry(m_sheet, col, row, m_services);
}

void LiveLedger::Edit13Change() {
    if (!HasAllCurrentOdds(m_odds)) {
        return;
    }
    // Odds that cannot be worked out are still what the user typed.
    CalcProbabilityReported();
    SaveGame();
}

}  // namespace orvanta
