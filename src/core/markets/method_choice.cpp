#include "core/markets/method_choice.h"

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"

namespace orvanta {

MarginMethod RememberedMethod(const std::string& user_folder) {
    try {
        std::string choice = ReadFileBytes(JoinPath(user_folder, kMethodChoiceFile), 64);
        while (!choice.empty() &&
               (choice.back() == '\n' || choice.back() == '\r' || choice.back() == ' ')) {
            choice.pop_back();
        }
        if (const auto method = MethodFromKey(choice)) {
            return *method;
        }
    } catch (const OperationError&) {
        // No choice kept, or none that can be read.
    }
    return MarginMethod::kProportional;
}

void RememberMethod(const std::string& user_folder, MarginMethod method, WriteFaults* faults) {
    EnsureUserFolder(user_folder);
    WriteFileReplacing(JoinPath(user_folder, kMethodChoiceFile),
                       std::string(MethodKey(method)) + "\n", faults);
}

}  // namespace orvanta
