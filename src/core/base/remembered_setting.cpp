#include "core/base/remembered_setting.h"

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"

namespace orvanta {

std::optional<std::string> RememberedSetting(const std::string& user_folder, const char* file_name,
                                             std::size_t max_bytes) {
    try {
        std::string value = ReadFileBytes(JoinPath(user_folder, file_name), max_bytes);
        while (!value.empty() &&
               (value.back() == '\n' || value.back() == '\r' || value.back() == ' ')) {
            value.pop_back();
        }
        return value;
    } catch (const OperationError&) {
        // Never chosen, or not readable: the caller's default.
        return std::nullopt;
    }
}

void RememberSetting(const std::string& user_folder, const char* file_name,
                     const std::string& value, WriteFaults* faults) {
    EnsureUserFolder(user_folder);
    WriteFileReplacing(JoinPath(user_folder, file_name), value + "\n", faults);
}

}  // namespace orvanta
