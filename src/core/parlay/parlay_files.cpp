#include "core/parlay/parlay_files.h"

#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"
#include "core/base/services.h"
#include "core/i18n/catalogue.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {

std::string ParlayFolder(const Platform& platform) {
    return JoinPath(platform.UserFolder(), kParlayFolderName);
}

std::string ParlayFileFilter(const Catalogue& catalogue) {
    return catalogue.Read(parlay_captions::kParlayFiles) + "|*." + kParlayFileExtension;
}

FileDialogOptions ParlaySaveDialogOptions(const Platform& platform, const Catalogue& catalogue) {
    FileDialogOptions options;
    options.filter = ParlayFileFilter(catalogue);
    options.default_extension = kParlayFileExtension;
    options.initial_folder = ParlayFolder(platform);
    return options;
}

FileDialogOptions ParlayOpenDialogOptions(const Platform& platform, const Catalogue& catalogue) {
    FileDialogOptions options;
    options.filter = ParlayFileFilter(catalogue);
    options.initial_folder = ParlayFolder(platform);
    return options;
}

FileDialogOptions ParlayDeleteDialogOptions(const Catalogue& catalogue) {
    FileDialogOptions options;
    options.title = catalogue.Read(parlay_captions::kDeleteFiles);
    // The dialog deletes what is chosen in it; its button must not say "Open".
    options.accept_label = options.title;
    options.filter = ParlayFileFilter(catalogue);
    return options;
}

std::optional<std::string> SaveParlaySheet(const ParlaySheet& sheet, Services& services,
                                           std::int32_t window_id, const Catalogue& catalogue) {
    const std::string folder = ParlayFolder(services.platform);
    if (!FolderExists(folder)) {
        // The dialog copes with a folder that is not there, and the sheet may
        // well go elsewhere: a folder that cannot be made stops nothing.
        try {
            EnsureUserFolder(services.platform.UserFolder());
            CreateFolder(folder);
        } catch (const OperationError&) {
        }
    }
    const auto path =
        services.prompter.AskSaveFile(ParlaySaveDialogOptions(services.platform, catalogue));
    if (!path) {
        return std::nullopt;
    }
    SaveGridToFile(sheet.selections, *path, window_id, services.write_faults);
    return path;
}

std::optional<std::string> LoadParlaySheet(ParlaySheet& sheet, Services& services,
                                           const Catalogue& catalogue) {
    const auto path =
        services.prompter.AskOpenFile(ParlayOpenDialogOptions(services.platform, catalogue));
    if (!path) {
        return std::nullopt;
    }
    LoadGridFromFile(sheet.selections, *path, GridShape{ParlaySheet::kCols, ParlaySheet::kRows});
    CalculateParlaySheet(sheet, services, catalogue);
    return path;
}

int DeleteParlayFiles(const Catalogue& catalogue, Services& services) {
    int deleted = 0;
    for (const std::string& path :
         services.prompter.AskOpenFiles(ParlayDeleteDialogOptions(catalogue))) {
        if (DeleteFile(path)) {
            ++deleted;
        }
    }
    return deleted;
}

}  // namespace orvanta
