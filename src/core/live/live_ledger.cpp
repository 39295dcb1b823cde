#include "core/live/live_ledger.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/remembered_setting.h"
#include "core/i18n/catalogue.h"
#include "core/live/game_record.h"
#include "core/live/live_captions.h"
#include "core/live/record_folder.h"

namespace orvanta {

LivePage::LivePage() {
    game_list.SetFixedRows(1);
    game_list.SetCell(0, 0, kGameListHeader);
}

LiveLedger::LiveLedger(Services& services, const Catalogue& catalogue, std::string record_folder)
    : m_services(services), m_catalogue(catalogue), m_folder(std::move(record_folder)) {
    ClearPositionSheet(m_page, m_catalogue);
}

int LiveLedger::RowOf(const std::string& file_name) const {
    const TextGrid& list = m_page.game_list;
    for (int r = 1; r < list.RowCount(); ++r) {
        if (list.Cell(0, r) == file_name) {
            return r;
        }
    }
    return 0;
}

void LiveLedger::Open() {
    m_list_row = 1;
    FillGameList();
}

void LiveLedger::FillGameList() {
    EnsureRecordFolder(m_folder);
    std::vector<std::string> names = ListRecordFiles(m_folder);

    TextGrid& list = m_page.game_list;
    list.ClearCells();
    list.SetRowCount(1 + static_cast<int>(names.size()));
    list.SetFixedRows(1);
    list.SetCell(0, 0, m_catalogue.Read(live_captions::kGameList));
    for (std::size_t i = 0; i < names.size(); ++i) {
        list.SetCell(0, static_cast<int>(i) + 1, std::move(names[i]));
    }
    const int games = list.RowCount() - 1;
    m_list_row = games == 0 ? 0 : std::clamp(m_list_row, 1, games);

    ClearPositionSheet(m_page, m_catalogue);
    ClearSuggestions(m_page);
    m_current_file.clear();
}

bool LiveLedger::CreateGame(const LocalDateTime& date, const std::string& time_text,
                            const std::string& name) {
    const TimeOfDay time = ParseStartTime(time_text);
    if (IsBlankGameName(name)) {
        m_services.prompter.ShowMessage(m_catalogue.Read(live_captions::kGameNameMissing));
        return false;
    }
    // The name becomes part of a path: a separator in it would put the record
    // somewhere outside the folder.
    if (!IsAcceptableGameName(name)) {
        throw OperationError(FileErrorText(EINVAL, FileAction::kCreate));
    }
    EnsureRecordFolder(m_folder);
    if (!CreateEmptyRecord(m_folder + RecordFileName(date, time, name))) {
        m_services.prompter.ShowMessage(m_catalogue.Read(live_captions::kGameExists));
        return false;
    }
    return true;
}

void LiveLedger::DeleteGame() {
    // A deleted game is gone for good: Enter keeps it.
    if (!m_services.prompter.AskYesNo(m_catalogue.Read(live_captions::kDeleteGameQuestion),
                                      DefaultAnswer::kNo)) {
        return;
    }
    const TextGrid& list = m_page.game_list;
    if (m_list_row >= 1 && m_list_row < list.RowCount()) {
        const std::string& name = list.Cell(0, m_list_row);
        // Only a file of the folder: an empty name would name the folder itself.
        if (!name.empty() && IsAcceptableGameName(name) && FileExists(m_folder + name)) {
            DeleteFile(m_folder + name);
        }
    }
    FillGameList();
}

void LiveLedger::ClearOddsPanel() {
    for (TextBox* box :
         {&m_page.probability_1, &m_page.probability_x, &m_page.probability_2, &m_page.odds_1,
          &m_page.odds_x, &m_page.odds_2, &m_page.bookmaker_cut, &m_page.method_parameter}) {
        box->text.clear();
        box->colour.reset();
    }
}

EventParts LiveLedger::LoadGame(int row) {
    return {[this, row] { ReadGame(row); }, [this] { RecalculateAll(); }};
}

EventParts LiveLedger::LoadGameUnlessLoaded(int row) {
    const TextGrid& list = m_page.game_list;
    if (row < 1 || row >= list.RowCount() ||
        (!m_current_file.empty() && m_current_file == m_folder + list.Cell(0, row))) {
        return {};
    }
    return LoadGame(row);
}

EventParts LiveLedger::LoadSoleGame() {
    return m_page.game_list.RowCount() == 2 ? LoadGame(1) : EventParts{};
}

void LiveLedger::ReadGame(int row) {
    const TextGrid& list = m_page.game_list;
    if (row >= 1 && row < list.RowCount()) {
        m_list_row = row;
    }
    m_save_enabled = false;
    // However the reading ends, the window must not stay in the loading state.
    struct SavingBackOn {
        bool& enabled;
        ~SavingBackOn() { enabled = true; }
    } saving_back_on{m_save_enabled};

    ClearPositionSheet(m_page, m_catalogue);
    ClearOddsPanel();
    ClearSuggestions(m_page);
    m_current_file.clear();

    const std::string& name = list.Cell(0, row);
    const std::string path = m_folder + name;
    if (row < 1 || name.empty() || !FileExists(path)) {
        m_services.prompter.ShowMessage(m_catalogue.Read(live_captions::kRecordProblem));
        return;
    }
    // Read whole before anything reaches the sheet, so a failed read leaves it
    // empty rather than half filled.
    const LiveGameRecord record =
        ParseGameRecord(ReadFileBytes(path, kMaxRecordBytes, kRecordTooLargeText));

    // Odds that cannot be worked out still leave a game to show: the rows go
    // in and the game is bound before the failure is passed on.
    const std::optional<OperationError> odds_failure = ShowCurrentOdds(record);
    ShowPositions(record);
    m_current_file = path;
    if (odds_failure) {
        throw *odds_failure;
    }
}

std::optional<OperationError> LiveLedger::ShowCurrentOdds(const LiveGameRecord& record) {
    m_page.odds_1.text = record.current_odds[0];
    m_page.odds_x.text = record.current_odds[1];
    m_page.odds_2.text = record.current_odds[2];
    if (HasAllCurrentOdds(m_page)) {
        try {
            CalculateProbabilities(m_page, m_services, m_catalogue);
        } catch (const OperationError& e) {
            return e;
        }
    }
    return std::nullopt;
}

void LiveLedger::ShowPositions(const LiveGameRecord& record) {
    TextGrid& grid = m_page.positions;
    if (!record.rows.empty()) {
        grid.SetRowCount(kFirstPositionRow + static_cast<int>(record.rows.size()));
    }
    for (std::size_t i = 0; i < record.rows.size(); ++i) {
        const int r = kFirstPositionRow + static_cast<int>(i);
        for (int c = 0; c < kInputCols; ++c) {
            grid.SetCell(c, r, record.rows[i][static_cast<std::size_t>(c)]);
        }
    }
}

void LiveLedger::SaveGame() {
    if (!m_save_enabled) {
        return;
    }
    if (m_current_file.empty() || !FileExists(m_current_file)) {
        m_services.prompter.ShowMessage(m_catalogue.Read(live_captions::kCreateFirst));
        return;
    }
    LiveGameRecord record;
    record.current_odds = {m_page.odds_1.text, m_page.odds_x.text, m_page.odds_2.text};
    const TextGrid& grid = m_page.positions;
    for (int r = kFirstPositionRow; r < grid.RowCount(); ++r) {
        PositionFields fields;
        for (int c = 0; c < kInputCols; ++c) {
            fields[static_cast<std::size_t>(c)] = grid.Cell(c, r);
        }
        record.rows.push_back(std::move(fields));
    }
    WriteFileReplacing(m_current_file, FormatGameRecord(record), m_services.write_faults);
}

void LiveLedger::SheetEditEnded() {
    if (!m_save_enabled) {
        return;
    }
    // The record keeps what was typed, also when the figures cannot be
    // worked out: it must never fall behind the sheet on screen.
    try {
        RecalculateAll();
    } catch (const OperationError&) {
        SaveGame();
        throw;
    }
    SaveGame();
}

void LiveLedger::RecalculateAll() {
    try {
        RecalculateSheet(m_page, m_services);
    } catch (const OperationError&) {
        ClearSuggestions(m_page);
        throw;
    }
    UpdateSuggestions();
}

void LiveLedger::UpdateSuggestions() {
    CalculateSuggestions(m_page, m_page, m_page, m_services.separator, m_catalogue);
}

void LiveLedger::CommissionChanged() {
    UpdateSuggestions();
    const auto commission = CommissionFraction(m_page.commission.text, m_services.separator);
    if (commission) {
        RememberCommission(m_services.platform.UserFolder(), *commission * 100,
                           m_services.write_faults);
    }
}

void LiveLedger::AddSureBacks() {
    const std::vector<SuggestedBack> backs = SureBacks(m_page, m_page, m_services.separator);
    if (backs.empty()) {
        std::string message = m_catalogue.Read(live_captions::kNothingToAdd);
        if (!m_page.sure_note.text.empty()) {
            message += "\n" + m_page.sure_note.text;
        }
        m_services.prompter.ShowMessage(message);
        return;
    }
    // The backs are money the user is to place: nothing goes on the sheet
    // unless asked for.
    if (!m_services.prompter.AskYesNo(m_catalogue.Read(live_captions::kAddBacksQuestion),
                                      DefaultAnswer::kNo)) {
        return;
    }
    AddBackRows(m_page, backs);
    SheetEditEnded();
}

bool LiveLedger::CheckSheetEntry(int col, int row, const std::string& text_before) {
    if (!IsInputCell(m_page, col, row) || m_page.positions.Cell(col, row) == text_before) {
        return false;
    }
    return ValidateSheetEntry(m_page, col, row, m_catalogue, m_services);
}

EventParts LiveLedger::CurrentOddsChanged() {
    if (!HasAllCurrentOdds(m_page)) {
        // Figures of odds no longer shown would pass for theirs.
        for (TextBox* box : {&m_page.probability_1, &m_page.probability_x, &m_page.probability_2,
                             &m_page.bookmaker_cut, &m_page.method_parameter}) {
            box->text.clear();
            box->colour.reset();
        }
        UpdateSuggestions();
        // A price typed before the others is kept all the same: the record
        // holds an empty field for each one missing.
        return {[this] { SaveGame(); }};
    }
    return {[this] {
                // Odds the probabilities fail on are no odds to suggest backs
                // at either: the panel says so.
                try {
                    CalculateProbabilities(m_page, m_services, m_catalogue);
                } catch (const OperationError&) {
                    UpdateSuggestions();
                    throw;
                }
                UpdateSuggestions();
            },
            // Odds that cannot be worked out are still what the user typed.
            [this] { SaveGame(); }};
}

}  // namespace orvanta
