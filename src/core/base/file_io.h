#pragma once

// Reading and writing whole files. Every file the program writes goes through
// WriteFileReplacing: the bytes go to a hidden temporary file in the same
// folder, which is flushed to the disk and then renamed over the old file, so a
// write that fails at any step leaves the old file whole. Failures are thrown as
// OperationError in the platform's wording of file errors.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

enum class WriteStep { kCreate, kWrite, kFlush, kRename };

// A seam for tests: asked before each step, it may make that step fail with an
// errno value (0 lets it run).
class WriteFaults {
public:
    virtual ~WriteFaults() = default;
    virtual int FailAt(WriteStep step, const std::string& path) = 0;
};

void WriteFileReplacing(const std::string& path, std::string_view bytes,
                        WriteFaults* faults = nullptr);

// Copies a file through WriteFileReplacing (so the target is never half
// written). Throws OperationError when the source cannot be read.
void CopyFileReplacing(const std::string& from, const std::string& to,
                       WriteFaults* faults = nullptr);

// The whole file. Throws OperationError when it cannot be opened or read, and
// OperationError(too_large_text) when it holds more than max_bytes, without
// reading more than that.
std::string ReadFileBytes(const std::string& path, std::size_t max_bytes,
                          const std::string& too_large_text = "File too large");

}  // namespace orvanta
