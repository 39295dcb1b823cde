#include "core/update/release_staging.h"

#include <cerrno>
#include <string>

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/update/update_check.h"
#include "core/update/update_list.h"
#include "core/update/version_info.h"

namespace orvanta {

namespace {

class Stager {
public:
    Stager(const Platform& platform, WriteFaults* faults)
        : m_folder(platform.ProgramFolder()),
          m_program(platform.ProgramFile()),
          m_base(ProgramBaseName(m_program)),
          m_upload(JoinPath(m_folder, kUploadFolder)),
          m_list_path(JoinPath(m_upload, kUpdateListName)),
          m_faults(faults) {}

    void Run() {
        if (!FolderExists(m_upload) && !CreateFolder(m_upload)) {
            throw OperationError(FileErrorText(EACCES, FileAction::kCreate));
        }
        // A list left by an earlier staging must not describe this one's files.
        WriteList();

        // The program itself is listed with the size of its copy.
        const std::string program_name = FileNameOf(m_program);
        const std::string program_copy = JoinPath(m_upload, program_name);
        CopyFileReplacing(m_program, program_copy, m_faults);
        const std::string program_version = ReadVersionInfo(m_program).file_version;
        AddLine(program_name, program_version, Measure(program_copy));

        for (const char* suffix : {"_EN.ini", "_GR.ini", "_ENHelp.htm", "_GRHelp.htm"}) {
            Stage(m_base + suffix, std::string());
        }
        const std::string updater = UpdaterName(m_base);
        Stage(updater, ReadVersionInfo(JoinPath(m_folder, updater)).file_version);
    }

private:
    // Measured before the copy; listed only once the copy is there, so the list never
    // names a file that was not staged.
    void Stage(const std::string& name, const std::string& version) {
        const std::string source = JoinPath(m_folder, name);
        const long long size = Measure(source);
        CopyFileReplacing(source, JoinPath(m_upload, name), m_faults);
        AddLine(name, version, size);
    }

    static long long Measure(const std::string& path) {
        const long long size = FileExists(path) ? FileSizeOf(path) : -1;
        if (size < 0) {
            throw OperationError(FileErrorText(ENOENT));
        }
        return size;
    }

    // Rewritten whole after every line: a staging that stops part-way leaves the lines of
    // what it staged, and a second staging replaces the list instead of adding to it.
    void AddLine(const std::string& name, const std::string& version, long long size) {
        m_list += FormatListLine(name, version, size);
        WriteList();
    }

    void WriteList() { WriteFileReplacing(m_list_path, m_list, m_faults); }

    const std::string m_folder;
    const std::string m_program;
    const std::string m_base;
    const std::string m_upload;
    const std::string m_list_path;
    WriteFaults* m_faults;
    std::string m_list;
};

}  // namespace

void StageRelease(Services& services, const Catalogue& catalogue) {
    Prompter& prompter = services.prompter;
    if (services.platform.IsInstalled() || !prompter.AskOkIgnore(catalogue.Read(kAskToStage))) {
        return;
    }
    try {
        Stager(services.platform, services.write_faults).Run();
    } catch (const OperationError&) {
        prompter.ShowMessage(catalogue.Read(kStagingFailed));
        return;
    }
    prompter.ShowMessage(catalogue.Read(kStaged));
}

}  // namespace orvanta
