#include "core/base/file_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/base/operation_error.h"
#include "core/base/paths.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace orvanta {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

int Inject(WriteFaults* faults, WriteStep step, const std::string& path) {
    return faults ? faults->FailAt(step, path) : 0;
}

[[noreturn]] void Fail(int error_number, FileAction action) {
    throw OperationError(FileErrorText(error_number, action));
}

// Hidden, beside the file, and unique to this run: temporary files a crashed
// run left behind never stand in the way.
std::string TemporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    static const auto run_tag = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        std::chrono::system_clock::now().time_since_epoch().count());
    return FolderOf(path) + "." + FileNameOf(path) + ".~" +
           std::to_string(run_tag % 1000000007ULL) + "-" + std::to_string(counter++) + ".tmp";
}

// A replaced file keeps its permissions (an update program stays executable).
void KeepPermissions(const std::string& from, const std::string& to) {
    std::error_code ec;
    const auto status = std::filesystem::status(std::filesystem::u8path(from), ec);
    if (!ec && std::filesystem::is_regular_file(status)) {
        std::filesystem::permissions(std::filesystem::u8path(to), status.permissions(), ec);
    }
}

bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool RenameOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

namespace {

// A hidden temporary file beside `path`, made new (never one that is there).
FilePtr CreateTemporaryBeside(const std::string& path, std::string& temp, WriteFaults* faults) {
    FilePtr file;
    for (int attempt = 0; attempt < 100 && !file; ++attempt) {
        temp = TemporaryNameFor(path);
        if (int e = Inject(faults, WriteStep::kCreate, path)) {
            Fail(e, FileAction::kCreate);
        }
        errno = 0;
        file.reset(std::fopen(temp.c_str(), "wbx"));
        if (!file && errno != EEXIST) {
            Fail(errno ? errno : EIO, FileAction::kCreate);
        }
    }
    if (!file) {
        Fail(EEXIST, FileAction::kCreate);
    }
    return file;
}

// The bytes into the temporary file, on the disk, then the file renamed over
// `path`. A failed step removes the temporary file: the old file stays whole.
class ReplacingWrite {
public:
    ReplacingWrite(const std::string& path, WriteFaults* faults)
        : m_path(path), m_faults(faults), m_file(CreateTemporaryBeside(path, m_temp, faults)) {}

    void Write(std::string_view bytes) {
        if (int e = Inject(m_faults, WriteStep::kWrite, m_path)) {
            // Part of the bytes reach the temporary file before the failure.
            std::fwrite(bytes.data(), 1, bytes.size() / 2, m_file.get());
            Abandon(e);
        }
        if (!bytes.empty() &&
            std::fwrite(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size()) {
            Abandon(errno ? errno : EIO);
        }
    }

    void Sync() {
        if (int e = Inject(m_faults, WriteStep::kFlush, m_path)) {
            Abandon(e);
        }
        if (std::fflush(m_file.get()) != 0 || !SyncToDisk(m_file.get())) {
            Abandon(errno ? errno : EIO);
        }
        if (std::fclose(m_file.release()) != 0) {
            Abandon(errno ? errno : EIO);
        }
    }

    void PutInPlace() {
        KeepPermissions(m_path, m_temp);
        if (int e = Inject(m_faults, WriteStep::kRename, m_path)) {
            Abandon(e);
        }
        if (!RenameOver(m_temp, m_path)) {
            Abandon(errno ? errno : EIO);
        }
    }

private:
    [[noreturn]] void Abandon(int error_number) {
        m_file.reset();
        std::remove(m_temp.c_str());
        Fail(error_number, FileAction::kCreate);
    }

    const std::string& m_path;
    WriteFaults* m_faults;
    std::string m_temp;
    FilePtr m_file;
};

}  // namespace

void WriteFileReplacing(const std::string& path, std::string_view bytes, WriteFaults* faults) {
    // Refuse a folder (or anything but a file) where the file should go.
    if (FolderExists(path)) {
        Fail(EISDIR, FileAction::kCreate);
    }
    ReplacingWrite write(path, faults);
    write.Write(bytes);
    write.Sync();
    write.PutInPlace();
}

void CopyFileReplacing(const std::string& from, const std::string& to, WriteFaults* faults) {
    // Release files are a few megabytes; anything far larger is not one of ours.
    constexpr std::size_t kMaxCopy = std::size_t{1} << 30;
    const std::string bytes = ReadFileBytes(from, kMaxCopy);
    WriteFileReplacing(to, bytes, faults);
}

std::string ReadFileBytes(const std::string& path, std::size_t max_bytes,
                          const std::string& too_large_text) {
    if (FolderExists(path)) {
        Fail(EISDIR, FileAction::kRead);
    }
    // Only plain files: opening a pipe or a device would wait for ever.
    {
        std::error_code ec;
        const auto status = std::filesystem::status(std::filesystem::u8path(path), ec);
        if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
            Fail(EINVAL, FileAction::kRead);
        }
    }
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        Fail(errno ? errno : ENOENT, FileAction::kRead);
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        if (got > 0) {
            if (bytes.size() + got > max_bytes) {
                throw OperationError(too_large_text);
            }
            bytes.append(buffer, got);
        }
        if (got < sizeof buffer) {
            if (std::ferror(file.get())) {
                Fail(errno ? errno : EIO, FileAction::kRead);
            }
            break;
        }
    }
    return bytes;
}

}  // namespace orvanta
